// The command line against the window: the same list and function give the same doit.pro,
// byte for byte, or the same refusal.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <map>
#include <sstream>

#include "batch/run_batch.h"
#include "core/settings_access.h"
#include "core/texts.h"
#include "params/value_list_file.h"
#include "ui/support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

namespace fs = std::filesystem;
using testing::child;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

struct Case {
    const char* name;
    std::string function;  // as the command line names it
    std::string list;      // pasted into the window, handed to the command line
    std::string argument = {};
    // The dialog opens them from its list file, which --values reads too.
    std::vector<std::string> values = {};
    std::string keyed = {};  // --keyed instead of --values
    bool refused = false;
    // The command line words the refusal itself: it read a list, and no one selected.
    bool listEmpty = false;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const std::string kList =
    "Name\r\nC:\\pdm\\Welle.prt.3\r\nflansch.PRT\r\n\r\nGröße.drw\r\nwelle.prt.4\r\n  deckel.asm "
    "\r\nflansch.PRT.2\r\n";
const std::string kShortList = "Name\r\nC:\\pdm\\welle.prt.3\r\nflansch.prt\r\nGröße.drw\r\n";

class BatchMatchesWindowTest : public testing::MainWindowFixture,
                               public ::testing::WithParamInterface<Case> {
protected:
    BatchMatchesWindowTest() {
        platform.programDir = inputs.path();
        // The chains' mapkeys and the deletion's option set where both look, and the look-up
        // of the files, which are not there, switched off in both, so that the check finds
        // nothing.
        settings::write(platform, settings::kSkipLocate, "1");
        for (const TempDir* directory : {&output, &batchOutput}) {
            writeBytes(directory->file("config.pro"),
                       "mapkey + x\r\nmapkey bb x\r\nmapkey 00 x\r\nmapkey ds x\r\n"
                       "new_parameter_ui no\r\n");
        }
    }

    // Paste, ok, the function and its dialog, then "doit.pro jetzt anlegen" if built, and
    // "Trotzdem schreiben" where the check found something. Gives the findings' lines, each
    // ended, as the command line puts them after its warning.
    std::string applyInWindow(const Case& c) {
        confirmEntries(c.list);
        if (job.confirmedEntries.empty()) return {};
        struct Way {
            const char* button;
            const char* dialog;
            const char* field;
            const char* ok;
        };
        static const std::map<std::string, Way> ways = {
            {"save-as", {"cmd_SaveAs", "none", nullptr, nullptr}},
            {"run-mapkeys", {"cmd_mapkey", "frm_mapkeyneu", "txt_mapkeyname", "cmd_mapkeyok"}},
            {"delete-parameter", {"cmd_ploesch", "frm_ploesch", "txt_parameter", "cmd_ploesch"}},
            {"assign-parameter", {"cmd_param", "frm_param", "txt_param", "cmd_ok"}},
        };
        const Way& way = ways.at(c.function);
        QDialog* dialog = openFunction(way.button, way.dialog);
        if (dialog != nullptr) {
            if (c.function == "assign-parameter") child<QPushButton>(dialog, "open")->click();
            child<QLineEdit>(dialog, way.field)->setText(QString::fromStdString(c.argument));
            child<QPushButton>(dialog, way.ok)->click();
        }
        auto* write = child<QPushButton>(&window, "cmd_fcreate");
        if (write->isVisible()) write->click();
        QDialog* findings = this->dialog("frm_pruefung");
        if (findings == nullptr) return {};
        std::string lines;
        auto* list = child<QListWidget>(findings, "list_befunde");
        for (int i = 0; i < list->count(); ++i) lines += list->item(i)->text().toStdString() + "\n";
        child<QPushButton>(findings, "cmd_trotzdem")->click();
        return std::string(texts::kWarningFindings) + "\n" + lines;
    }

    std::pair<int, std::string> runInBatch(const Case& c) {
        writeBytes(inputs.file("list.txt"), c.list);
        std::vector<std::string> arguments = {"-q",          "-o", batchOutput.path(),
                                              "--no-locate", "-l", inputs.file("list.txt"),
                                              c.function};
        if (!c.argument.empty()) arguments.push_back(c.argument);
        if (!c.keyed.empty()) {
            writeBytes(inputs.file("keyed.csv"), c.keyed);
            arguments.insert(arguments.end(), {"--keyed", inputs.file("keyed.csv")});
        } else if (c.function == "assign-parameter") {
            arguments.insert(arguments.end(), {"--values", valueListPath(inputs.path())});
        }
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status = runBatch(arguments, in, out, err);
        EXPECT_EQ(out.str(), "");
        return {status, err.str()};
    }

    TempDir inputs;
    TempDir batchOutput;
};

TEST_P(BatchMatchesWindowTest, WritesTheWindowsBytesOrRefusesWithItsMessage) {
    const Case& c = GetParam();
    ASSERT_TRUE(writeValueList(valueListPath(inputs.path()), c.values).ok());
    const std::string findings = applyInWindow(c);
    const auto [status, err] = runInBatch(c);
    const std::string windowFile = output.file("doit.pro");
    const std::string batchFile = batchOutput.file("doit.pro");
    if (c.refused) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(status, 1);
        EXPECT_EQ(
            err, c.listEmpty
                     ? texts::messageListEmpty(inputs.file("list.txt"), texts::kNothingSaved) + "\n"
                     : platform.messages[0] + "\n");
        EXPECT_FALSE(fs::exists(windowFile) || fs::exists(batchFile));
    } else {
        EXPECT_EQ(platform.messages, std::vector<std::string>{});
        ASSERT_TRUE(fs::exists(windowFile));
        EXPECT_EQ(status, 0) << err;
        EXPECT_EQ(err, findings);
        EXPECT_EQ(readBytes(batchFile), readBytes(windowFile));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFunction, BatchMatchesWindowTest,
    ::testing::Values(
        Case{"save-as", "save-as", kList}, Case{"run-mapkeys", "run-mapkeys", kList, "+;%bb;%00;"},
        Case{"delete-parameter in capitals", "delete-parameter", kList, "gewicht_ä"},
        Case{"assign-parameter by position",
             "assign-parameter",
             kList,
             "MATERIAL",
             {"S235", "", "Größe ß", "S235, verzinkt", " Alu "}},
        Case{"assign-parameter by name",
             "assign-parameter",
             kShortList,
             "MATERIAL",
             {"S235", "S355, verzinkt", "Größe ß"},
             "größe.DRW;Größe ß\n/pdm/FLANSCH.prt\tS355, verzinkt\n\nWELLE.prt.1;S235\n"},
        Case{"two columns from a spreadsheet", "run-mapkeys",
             "Name\tBenennung\r\nwelle.prt\tWelle 20\r\nflansch.prt.2\tFlansch\r\n", "ds"},
        Case{"a PDM export with semicolons", "save-as",
             "Teilenummer;Version;Status\r\n200000_mutter.drw;1;Freigegeben;Müller\r\n"
             "\"C:\\pdm\\welle.prt.3\";2\r\n"},
        Case{"assign-parameter by name from three columns",
             "assign-parameter",
             kShortList,
             "MATERIAL",
             {"Teilenummer\tWerkstoff\tPrüfer", "welle.prt\tS235\tMeier", "flansch.prt\tS355\t",
              "größe.drw\tGröße ß\tx"},
             "Teilenummer;Werkstoff;Prüfer\nwelle.prt;S235;Meier\nflansch.prt;S355;\n"
             "größe.drw;Größe ß;x\n"}),
    [](const auto& instance) { return "Case" + std::to_string(instance.index); });

INSTANTIATE_TEST_SUITE_P(
    EveryRefusal, BatchMatchesWindowTest,
    ::testing::Values(Case{"nothing confirmed", "save-as", "Name\r\n\r\n", {}, {}, {}, true, true},
                      Case{"a backtick", "save-as", "a`b.prt\r\nwelle.prt\r\n", {}, {}, {}, true},
                      Case{"outside Windows-1252",
                           "run-mapkeys",
                           "welle.prt\r\nteilΩ.prt\r\n",
                           "ds",
                           {},
                           {},
                           true},
                      Case{"four characters", "save-as", "welle.prt\r\nx.pr\r\n", {}, {}, {}, true},
                      Case{"a chain with a backtick", "run-mapkeys", kList, "ds`", {}, {}, true},
                      Case{"a semicolon in a value",
                           "assign-parameter",
                           kShortList,
                           "MAT",
                           {"a", "A;B", "c"},
                           {},
                           true},
                      Case{"a quoted name with a semicolon",
                           "save-as",
                           "\"a;b.prt\";1\r\nwelle.prt;2\r\n",
                           {},
                           {},
                           {},
                           true},
                      Case{"fewer values than parts",
                           "assign-parameter",
                           kShortList,
                           "MAT",
                           {"a", "b"},
                           {},
                           true}),
    [](const auto& instance) { return "Case" + std::to_string(instance.index); });

}  // namespace
}  // namespace stapelwerk
