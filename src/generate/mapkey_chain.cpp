#include "generate/mapkey_chain.h"

#include <algorithm>

#include "core/texts.h"
#include "generate/replace_first.h"
#include "generate/templates.h"

namespace stapelwerk {

namespace {
// The steps of "%" chainInStep ";", each without its ";".
std::vector<std::string> stepsOfChain(std::string_view chain) {
    const std::string steps = "%" + std::string(chainInStep(chain));
    std::vector<std::string> cut;
    for (std::size_t start = 0; start <= steps.size();) {
        const std::size_t end = std::min(steps.find(';', start), steps.size());
        cut.push_back(steps.substr(start, end - start));
        start = end + 1;
    }
    return cut;
}

bool isTyped(std::string_view step) {
    return !step.empty() && !step.starts_with('%') && !step.starts_with('#') &&
           !step.starts_with("@SYSTEM");
}
}  // namespace

BuiltText mapkeyChainTail(std::string_view chain) {
    if (Result<> checked = checkText(texts::kSubjectMapkeyChain, chain); !checked) {
        return checked.failure();
    }
    return replaceAll(templates::txt_mapkeyneu, templates::kMapkeyChain, chainInStep(chain));
}

std::string_view chainInStep(std::string_view chain) {
    if (chain.starts_with('%')) chain.remove_prefix(1);
    if (chain.ends_with(';')) chain.remove_suffix(1);
    return chain;
}

std::vector<std::string> mapkeyNamesOfChain(std::string_view chain) {
    std::vector<std::string> names;
    for (const std::string& step : stepsOfChain(chain)) {
        if (step.starts_with('%')) names.push_back(step.substr(1));
    }
    return names;
}

std::vector<std::string> typedStepsOfChain(std::string_view chain) {
    std::vector<std::string> steps = stepsOfChain(chain);
    std::erase_if(steps, [](const std::string& step) { return !isTyped(step); });
    return steps;
}

std::string chainWithMapkey(std::string_view chain, std::string_view name) {
    std::string extended(chain);
    if (!extended.empty()) extended.append(extended.ends_with(';') ? "%" : ";%");
    return extended.append(name).append(";");
}

}  // namespace stapelwerk
