#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text_list.h"

// The properties that the fuzz targets check on every input. The same functions replay
// the checked-in corpora in the test suite, so an input that once broke a property is
// tried again by every test run.
namespace stapelwerk::fuzz {

// What went wrong for `input`; empty when every property holds. A crash or a sanitizer
// report is not caught here: the fuzzer and the sanitizers see to those.
using Check = std::string (*)(std::string_view input);

struct Target {
    std::string_view name;  // also the folder of its corpus, fuzz/corpus/<name>
    Check check;
};

// Every target; a new one is a check function and a row here, its name in
// fuzz/CMakeLists.txt and a few seed files in fuzz/corpus/<name>.
const std::vector<Target>& targets();

// The check of the target `name`, or nullptr.
Check checkOf(std::string_view name);

std::string checkLines(std::string_view input);
std::string checkCp1252(std::string_view input);
std::string checkValueList(std::string_view input);
std::string checkConfigPro(std::string_view input);
std::string checkDefinedMapkeys(std::string_view input);
std::string checkConfigOptions(std::string_view input);
std::string checkWildcard(std::string_view input);
std::string checkBuilders(std::string_view input);
std::string checkKeyedValues(std::string_view input);
std::string checkInputDecoding(std::string_view input);
std::string checkIniSettings(std::string_view input);
std::string checkKeptList(std::string_view input);
std::string checkJobRecord(std::string_view input);
std::string checkJournal(std::string_view input);

// What a list brought into doit.pro that it must not: the assignment of `values` to
// `entries` is refused, or it holds no TAB and no ';' but those of its templates. Empty
// when so.
std::string strayInDoit(const TextList& entries, const std::vector<std::string>& values);
std::string checkSearchPath(std::string_view input);

// The input cut at every `separator`: a way to feed one input to a function of several
// arguments. An input without the separator is one field.
std::vector<std::string_view> fields(std::string_view input, char separator);

}  // namespace stapelwerk::fuzz
