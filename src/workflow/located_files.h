#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the CAD system will find each entry's file, as the job record keeps it.
namespace stapelwerk::workflow {

// The file the CAD system will open for each of `entries`, where it finds one: for now the
// newest version of the entry ("name.type.N", letter case ignored) in the working directory
// `workingDirectory`, by its name alone, as the record keeps a file of the working
// directory; the search path of config.pro is not looked at yet. None where the directory
// cannot be read.
std::vector<std::optional<std::string>> filesFound(const std::vector<std::string>& entries,
                                                   const std::string& workingDirectory);

}  // namespace stapelwerk::workflow
