#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace stapelwerk {

// One call of `stapelwerk-batch` with the arguments that follow the program's name:
// standard input `in` (the list or a value list), standard output `out` (help, version,
// doit.pro with --stdout), standard error `err` (every message). Returns the exit status
// (batch_command_line.h). Whatever is refused writes nothing. `inputIsConsole`: standard
// input is a console, where a person types the list and is told how to end it.
int runBatch(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
             std::ostream& err, bool inputIsConsole = false);

}  // namespace stapelwerk
