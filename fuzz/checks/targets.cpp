#include "fuzz_checks.h"

namespace stapelwerk::fuzz {

const std::vector<Target>& targets() {
    static const std::vector<Target> all = {
        {"lines", checkLines},
        {"cp1252", checkCp1252},
        {"value_list", checkValueList},
        {"config_pro", checkConfigPro},
        {"defined_mapkeys", checkDefinedMapkeys},
        {"config_options", checkConfigOptions},
        {"wildcard", checkWildcard},
        {"builders", checkBuilders},
        {"keyed_values", checkKeyedValues},
        {"input_decoding", checkInputDecoding},
        {"ini_settings", checkIniSettings},
        {"search_path", checkSearchPath},
        {"kept_list", checkKeptList},
        {"job_record", checkJobRecord},
        {"journal", checkJournal},
    };
    return all;
}

Check checkOf(std::string_view name) {
    for (const Target& target : targets()) {
        if (target.name == name) return target.check;
    }
    return nullptr;
}

std::vector<std::string_view> fields(std::string_view input, char separator) {
    std::vector<std::string_view> result;
    for (std::size_t start = 0;;) {
        const std::size_t end = input.find(separator, start);
        result.push_back(input.substr(start, end - start));
        if (end == std::string_view::npos) return result;
        start = end + 1;
    }
}

}  // namespace stapelwerk::fuzz
