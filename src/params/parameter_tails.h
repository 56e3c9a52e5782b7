#pragma once

#include <string_view>

#include "generate/doit_builder.h"

// The per-file tails of the two parameter functions, filled in copies of their
// templates. A name that would break doit.pro (empty, a backtick, a line break, a ';', a
// character Windows-1252 cannot hold) is refused with a message naming it.
namespace stapelwerk {

// Deletes the parameter `name` (the caller has put it into capitals): the name
// takes the place of "PLOESCH" in the menu pick.
BuiltText deletionTail(std::string_view name);

// Creates the string parameter `name`: the name takes the first "PARAMETERNAME";
// the one after it is left for the value, which the assignment build fills.
BuiltText assignmentTail(std::string_view name);

}  // namespace stapelwerk
