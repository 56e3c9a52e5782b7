#include "generate/mapkey_chain.h"

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

}  // namespace stapelwerk
