#include "fuzz_checks.h"
#include "params/value_list.h"
#include "params/value_list_file.h"
#include "platform/cp1252.h"
#include "platform/input_decoding.h"

namespace stapelwerk::fuzz {

// Written back as the file holds them (each value in Windows-1252, then CR LF), the values
// read give the file again, with only its line ends made whole: a lone CR becomes CR LF and
// a last line without an end gets one. So no byte is lost, added or changed in a value.
// A file saved as UTF-16 gives the values of the same text saved as Windows-1252.
// Paired with parts by position, the values bring no TAB and no stray ';' into doit.pro.
std::string checkValueList(std::string_view input) {
    const std::vector<std::string> paired = valuesByPosition(valuesFromBytes(input));
    if (paired.size() != valuesFromBytes(input).size()) return "not one value a line";
    if (std::string stray = strayInDoit(std::vector<std::string>(paired.size(), "e.prt"), paired);
        !stray.empty()) {
        return stray;
    }
    if (const std::optional<std::string> text = decodeMarkedUtf16(input)) {
        const std::optional<std::string> asCp1252 = cp1252::encode(*text);
        if (asCp1252 && valuesFromBytes(*asCp1252) != valuesFromBytes(input)) {
            return "UTF-16 gives other values than Windows-1252";
        }
        return {};
    }
    std::string written;
    for (const std::string& value : valuesFromBytes(input)) {
        const std::optional<std::string> bytes = cp1252::encode(value);
        if (!bytes) return "a value read cannot be written back";
        written.append(*bytes).append("\r\n");
    }
    std::string expected;
    for (std::size_t i = 0; i < input.size(); ++i) {
        expected += input[i];
        if (input[i] == '\r' && (i + 1 == input.size() || input[i + 1] != '\n')) expected += '\n';
    }
    if (!expected.empty() && !expected.ends_with("\r\n")) expected += "\r\n";
    if (written != expected) return "the values written back are not the file";
    return {};
}

}  // namespace stapelwerk::fuzz
