#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generate/doit_builder.h"

namespace stapelwerk {

// The tail that runs the user's `chain` of mapkeys on an opened file: the chain
// goes into the step "%SCHWEINEREI;" as it stands, unchecked, except that a
// chain which would break doit.pro (a backtick, a line break, a character
// Windows-1252 cannot hold) is refused.
BuiltText mapkeyChainTail(std::string_view chain);

// The mapkeys that the chain runs, in its order, as the CAD system reads the step
// "%" chain ";": each step that begins with "%" names one (`+;%bb;%00` names "+", "bb" and
// "00"); other steps and an empty step after a closing ";" name none. An empty chain
// names the empty name, which no mapkey has.
std::vector<std::string> mapkeyNamesOfChain(std::string_view chain);

// The chain with the mapkey `name` run after it: "%name;" after a ";" that ends a step,
// or, first in an empty chain, "name;", which the step's own "%" runs.
std::string chainWithMapkey(std::string_view chain, std::string_view name);

}  // namespace stapelwerk
