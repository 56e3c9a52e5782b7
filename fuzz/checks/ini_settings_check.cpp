#include "core/ini_settings.h"
#include "fuzz_checks.h"

namespace stapelwerk::fuzz {

// Input: a settings file, a byte 0x01, a key, 0x01, a value (without them "txt_pro" and a
// path). Whatever the file holds, the value set reads back as it does from a file of its
// own, and another key reads as before.
std::string checkIniSettings(std::string_view input) {
    static constexpr std::string_view kSection = "Optionen";
    const std::vector<std::string_view> parts = fields(input, '\x01');
    const std::string_view file = parts[0];
    const std::string_view key = parts.size() > 1 ? parts[1] : "txt_pro";
    const std::string_view value = parts.size() > 2 ? parts[2] : "C:\\Daten, alt\\";
    const std::string changed = ini::withValue(file, kSection, key, value);
    if (ini::valueOf(changed, kSection, key) !=
        ini::valueOf(ini::withValue({}, kSection, key, value), kSection, key)) {
        return "the value set does not read back";
    }
    const std::string_view other = key == "txt_pro" ? "frm_param.txt_param.Text" : "txt_pro";
    if (ini::valueOf(changed, kSection, other) != ini::valueOf(file, kSection, other)) {
        return "another key reads otherwise";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
