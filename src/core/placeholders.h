#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace stapelwerk::texts {

// `pattern` with each placeholder %1 to %9 replaced by the argument of that number, in one
// pass: an argument is never searched for placeholders itself. A % before anything else,
// and a placeholder without its argument, stay as they are.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace stapelwerk::texts
