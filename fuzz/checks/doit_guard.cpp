#include <algorithm>

#include "fuzz_checks.h"
#include "generate/doit_builder.h"
#include "params/parameter_tails.h"

namespace stapelwerk::fuzz {

std::string strayInDoit(const TextList& entries, const std::vector<std::string>& values) {
    const std::string tail = assignmentTail("P").value();
    const BuiltText built = buildParameterAssignment(entries, tail, values);
    if (!built.ok()) return {};
    if (built.value().find('\t') != std::string::npos) return "a TAB reached doit.pro";
    // The same assignment of plain names and values holds the templates' ';' and no other.
    const BuiltText plain =
        buildParameterAssignment(std::vector<std::string>(entries.size(), "e.prt"), tail,
                                 std::vector<std::string>(values.size(), "v"));
    if (std::ranges::count(built.value(), ';') != std::ranges::count(plain.value(), ';')) {
        return "a ';' of a list reached doit.pro";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
