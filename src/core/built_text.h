#pragma once

#include <string>

#include "platform/result.h"

namespace stapelwerk {

// A built doit text, or a piece of one, or the message that refuses the build.
using BuiltText = Result<std::string>;

}  // namespace stapelwerk
