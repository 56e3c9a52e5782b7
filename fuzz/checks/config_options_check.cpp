#include <map>

#include "cadconfig/config_options.h"
#include "cadconfig/defined_mapkeys.h"
#include "fuzz_checks.h"

namespace stapelwerk::fuzz {

namespace {
std::string smallLetters(std::string_view text) {
    std::string small(text);
    for (char& c : small) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return small;
}
}  // namespace

// Every option read has a name of one word and a value without line ends, comments or
// blanks around it; the last value of each name is the one lastOptionValue gives, in any
// letter case; and a line that defines a mapkey is an option named mapkey.
std::string checkConfigOptions(std::string_view input) {
    std::map<std::string, std::string_view> last;
    std::string failure;
    forEachOption(input, [&](const ConfigOption& option) {
        if (option.name.empty()) failure = "an option without a name";
        if (option.name.find_first_of(" \t\r\n!") != std::string_view::npos) {
            failure = "a name beyond its first word";
        }
        if (option.value.find_first_of("\r\n!") != std::string_view::npos) {
            failure = "a value beyond its line or into its comment";
        }
        if (!option.value.empty() && (option.value.front() == ' ' || option.value.front() == '\t' ||
                                      option.value.back() == ' ' || option.value.back() == '\t')) {
            failure = "a value with blanks around it";
        }
        last[smallLetters(option.name)] = option.value;
    });
    if (!failure.empty()) return failure;
    for (const auto& [name, value] : last) {
        if (lastOptionValue(input, name) != value) return "the last value of an option is lost";
        if (!isWord(name, name) || !isWord(smallLetters(name), name)) {
            return "a name is not the same word in small letters";
        }
    }
    forEachLine(input, LoneLineFeed::endsLine, [&](std::string_view line) {
        const std::optional<ConfigOption> option = optionOn(line);
        if (mapkeyDefinedOn(line) && !(option && isWord(option->name, "mapkey"))) {
            failure = "a mapkey definition that is no option named mapkey";
        }
    });
    return failure;
}

}  // namespace stapelwerk::fuzz
