#pragma once

#include <string>
#include <system_error>

// The system's reason for a failure, as the program's messages show it after "Grund:".
// Worded with the program's other texts, in core/system_reasons.cpp.
namespace stapelwerk::texts {

// German for the causes a user meets with files; any other in the system's own words, which
// follow the user's language where the system has it.
std::string systemReason(const std::error_code& error);

}  // namespace stapelwerk::texts
