#include "generate/mapkey_chain.h"

#include "core/texts.h"
#include "generate/replace_first.h"
#include "generate/templates.h"

namespace stapelwerk {

BuiltText mapkeyChainTail(std::string_view chain) {
    if (std::string refusal = refusalForText(texts::kSubjectMapkeyChain, chain); !refusal.empty()) {
        return {{}, std::move(refusal)};
    }
    return {replaceAll(templates::txt_mapkeyneu, templates::kMapkeyChain, chain), {}};
}

}  // namespace stapelwerk
