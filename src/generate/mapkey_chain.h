#pragma once

#include <string_view>

#include "generate/doit_builder.h"

namespace stapelwerk {

// The tail that runs the user's `chain` of mapkeys on an opened file: the chain
// goes into the step "%SCHWEINEREI;" as it stands, unchecked, except that a
// chain which would break doit.pro (a backtick, a line break, a character
// Windows-1252 cannot hold) is refused.
BuiltText mapkeyChainTail(std::string_view chain);

}  // namespace stapelwerk
