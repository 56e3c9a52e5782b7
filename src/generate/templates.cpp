#include "generate/templates.h"

namespace stapelwerk::templates {

const std::string_view txt_kopf = "mapkey doit ~ ;\\\r\n";

const std::string_view txt_open =
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` "
    "`File.psh_open`;\\\r\n"
    "mapkey(continued) ~ Update `file_open` `Inputname` `\r\n";

const std::string_view txt_end = "mapkey(continued) ~ ;\r\n";

const std::string_view txt_SaveAs =
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `File.psh_save_as`;\\\r\n"
    "mapkey(continued) ~ Update `file_saveas` `Inputname` `9999999-99_999`;\\\r\n"
    "mapkey(continued) ~ Activate `file_saveas` `Inputname`;~ Activate `UI Message Dialog` "
    "`ok`;\\\r\n"
    "mapkey(continued) ~ Activate `storage_conflicts` `OK_PushButton`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_activate`;\\\r\n";

const std::string_view txt_ParamNeu =
    "`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Inputname`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Utilities`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;#CREATE;#STRING;\\\r\n"
    "mapkey(continued) PARAMETERNAME;PARAMETERNAME;#DONE/RETURN;#DONE/RETURN;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `Cproe_pview_menu`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `Cproe_pview_menu`;~ Close `main_dlg_cur` "
    "`MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `File.psh_save`;~ Activate `file_saveas` "
    "`OK`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `psh_erase`;~ Activate `0_std_confirm` "
    "`OK`;\\\r\n";

const std::string_view txt_ploesch =
    "`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Inputname`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Utilities`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;#DELETE;#PLOESCH;"
    "#DONE;\\\r\n"
    "mapkey(continued) #DONE/RETURN;#DONE/RETURN;~ Select `main_dlg_cur` `MenuBar1`1  "
    "`File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` "
    "`File.psh_save`;\\\r\n"
    "mapkey(continued) ~ Activate `file_saveas` `OK`;~ Select `main_dlg_cur` `MenuBar1`1  "
    "`File`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `psh_erase`;~ Activate `0_std_confirm` "
    "`OK`;\\\r\n";

const std::string_view txt_mapkeyneu =
    "`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Open`;%SCHWEINEREI;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `psh_erase`;~ Activate `file_erase` "
    "`sel_list`;\\\r\n"
    "mapkey(continued) ~ Activate `file_erase` `OK`;\\\r\n"
    "mapkey(continued) ~ Activate `0_std_confirm` `OK`;\\\r\n";

std::string_view openBlock() { return txt_open.substr(0, txt_open.size() - 2); }

}  // namespace stapelwerk::templates
