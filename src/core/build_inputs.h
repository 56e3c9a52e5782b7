#pragma once

#include <string>
#include <vector>

namespace stapelwerk {

enum class BuiltFunction { saveAs, mapkeyChain, parameterDeletion, parameterAssignment };

// What the user gave the function that built the pending text, so that it can be checked
// before the text is written.
struct BuildInputs {
    BuiltFunction function = BuiltFunction::saveAs;
    // mapkeyChain: the chain as typed.
    std::string chain;
    // parameterDeletion and parameterAssignment: the name as it goes into doit.pro.
    std::string parameterName;
    // parameterAssignment: the value of each confirmed entry, by position.
    std::vector<std::string> values;
};

}  // namespace stapelwerk
