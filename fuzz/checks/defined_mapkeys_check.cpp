#include <set>

#include "cadconfig/auto_mapkey.h"
#include "cadconfig/defined_mapkeys.h"
#include "fuzz_checks.h"
#include "platform/cp1252.h"

namespace stapelwerk::fuzz {

// Every mapkey read from config.pro has a name that a chain can name (no blank, TAB or line
// end: LF, CR LF and CR end lines), is listed once, and the reader and the auto installer
// agree on `auto`.
std::string checkDefinedMapkeys(std::string_view input) {
    const std::vector<DefinedMapkey> mapkeys = definedMapkeys(input);
    std::set<std::string> names;
    for (const DefinedMapkey& mapkey : mapkeys) {
        if (mapkey.name.empty()) return "a mapkey without a name";
        if (mapkey.name.find_first_of(" \t\r\n") != std::string::npos) {
            return "a name with a blank, a TAB or a line end";
        }
        if (!names.insert(mapkey.name).second) return "a name listed twice";
        if (!cp1252::encode(mapkey.name) || !cp1252::encode(mapkey.description)) {
            return "a name or description that is no decoded Windows-1252";
        }
        if (mapkey.description.find_first_of("\r\n;") != std::string::npos) {
            return "a description beyond its line or its ';'";
        }
    }
    if (definesAutoMapkey(input) != names.contains("auto")) {
        return "the reader and the auto installer disagree on auto";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
