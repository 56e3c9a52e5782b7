#pragma once

#include <string>
#include <string_view>

namespace stapelwerk {

// A run of doit is known by an id that each write of doit.pro draws anew: its job record
// names it, and its journal lines begin with it, so that the lines of an older doit.pro in
// the same journal are told apart. Letters and digits only: it stands in a shell command.
inline constexpr std::size_t kRunIdLength = 8;

// A new id: kRunIdLength capitals and digits, at random.
std::string newRunId();

// Whether `text` can be a run's id: 1 to 64 ASCII letters and digits.
bool isRunId(std::string_view text);

}  // namespace stapelwerk
