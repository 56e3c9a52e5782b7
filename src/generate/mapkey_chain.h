#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generate/doit_builder.h"

namespace stapelwerk {

// The tail that runs the user's `chain` of mapkeys on an opened file: the chain goes into
// the step "%SCHWEINEREI;" as chainInStep gives it, unchecked, except that a chain which
// would break doit.pro (a backtick, a line break, a character Windows-1252 cannot hold) is
// refused.
BuiltText mapkeyChainTail(std::string_view chain);

// The chain as it goes between the "%" and the ";" of its step: a chain written as the CAD
// system writes a mapkey's steps, "%pdf;%cls;", leaves out the first "%" and the final ";"
// that the step puts there itself, and gives the bytes of "pdf;%cls". Any other chain,
// `+;%bb;%00` among them, stays as it is.
std::string_view chainInStep(std::string_view chain);

// The mapkeys that the chain runs, in its order, as the CAD system reads the step
// "%" chainInStep ";": each step that begins with "%" names one (`+;%bb;%00` names "+", "bb"
// and "00"); other steps name none. An empty chain names the empty name, which no mapkey
// has.
std::vector<std::string> mapkeyNamesOfChain(std::string_view chain);

// The steps of the chain, in its order, that the CAD system sends as typed keyboard input:
// after the first, which the step's "%" makes a mapkey call, every one that is neither a
// call ("%name"), a menu pick ("#..."), an operating-system command ("@SYSTEM...") nor
// empty (Enter). `pdf;cls` types "cls".
std::vector<std::string> typedStepsOfChain(std::string_view chain);

// The chain with the mapkey `name` run after it: "%name;" after a ";" that ends a step,
// or, first in an empty chain, "name;", which the step's own "%" runs.
std::string chainWithMapkey(std::string_view chain, std::string_view name);

}  // namespace stapelwerk
