#pragma once

#include <string_view>

// The fixed mapkey texts from which doit.pro is assembled, character for
// character; every line ends in CR LF. They are never changed: placeholders are
// filled in copies.
namespace stapelwerk::templates {

extern const std::string_view txt_kopf;
extern const std::string_view txt_open;
extern const std::string_view txt_end;
extern const std::string_view txt_SaveAs;
extern const std::string_view txt_ParamNeu;
extern const std::string_view txt_ploesch;
extern const std::string_view txt_mapkeyneu;

// `txt_open` without its final CR LF: it ends in the backtick that opens the file name.
std::string_view openBlock();

inline constexpr std::string_view kSaveAsName = "9999999-99_999";
inline constexpr std::string_view kParameterName = "PARAMETERNAME";
inline constexpr std::string_view kDeletedParameter = "PLOESCH";
inline constexpr std::string_view kMapkeyChain = "SCHWEINEREI";

}  // namespace stapelwerk::templates
