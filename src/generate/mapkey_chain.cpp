#include "generate/mapkey_chain.h"

#include <algorithm>

#include "core/texts.h"
#include "generate/replace_first.h"
#include "generate/templates.h"

namespace stapelwerk {

BuiltText mapkeyChainTail(std::string_view chain) {
    if (Result<> checked = checkText(texts::kSubjectMapkeyChain, chain); !checked) {
        return checked.failure();
    }
    return replaceAll(templates::txt_mapkeyneu, templates::kMapkeyChain, chain);
}

std::vector<std::string> mapkeyNamesOfChain(std::string_view chain) {
    const std::string steps = "%" + std::string(chain);
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= steps.size();) {
        const std::size_t end = std::min(steps.find(';', start), steps.size());
        const std::string_view step = std::string_view(steps).substr(start, end - start);
        if (step.starts_with('%')) names.emplace_back(step.substr(1));
        start = end + 1;
    }
    return names;
}

std::string chainWithMapkey(std::string_view chain, std::string_view name) {
    std::string extended(chain);
    if (!extended.empty()) extended.append(extended.ends_with(';') ? "%" : ";%");
    return extended.append(name).append(";");
}

}  // namespace stapelwerk
