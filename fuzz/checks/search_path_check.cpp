#include "cadconfig/search_path.h"
#include "fuzz_checks.h"

namespace stapelwerk::fuzz {

namespace {
std::string joined(const std::vector<std::string>& directories, std::string_view separator) {
    std::string value;
    for (const std::string& directory : directories) {
        if (!value.empty()) value += separator;
        value += '"' + directory + '"';
    }
    return value;
}
}  // namespace

// Every directory read from a search_path value or from search.pro is one: not empty, without
// quotes, and from search.pro within its line. Quoted and joined again by any of the three
// separators, a value's directories read back as they were; and a variable whose value is its
// own name leaves every text as it was.
std::string checkSearchPath(std::string_view input) {
    const std::vector<std::string> directories = splitDirectoryList(input);
    for (const std::string& directory : directories) {
        if (directory.empty()) return "an empty directory";
        if (directory.find('"') != std::string::npos) return "a directory with a quote";
    }
    for (const std::string_view separator : {", ", ";", " \t "}) {
        if (splitDirectoryList(joined(directories, separator)) != directories) {
            return "quoted directories do not read back";
        }
    }
    for (const std::string& directory : searchProDirectories(input)) {
        if (directory.empty() || directory.find_first_of("\"\r\n") != std::string::npos) {
            return "a directory of search.pro that is empty, quoted or beyond its line";
        }
    }
    for (const VariableStyle style : {VariableStyle::dollar, VariableStyle::percent}) {
        const Result<std::string> same =
            expandedVariables(input, style, [style](const std::string& name) {
                return style == VariableStyle::dollar ? "$" + name : "%" + name + "%";
            });
        if (!same || *same != input) return "a variable that is its own name changes the text";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
