#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

// Where the CAD system looks for a model named without a directory once the working directory
// has not got it: the search path that config.pro gives, by its options search_path (any
// number of them, the values add up) and search_path_file (a file, conventionally search.pro,
// that lists one directory a line).
namespace stapelwerk {

// The directories one search_path value or one line of search.pro lists, as written. They are
// separated by commas, by semicolons or by blanks: by whichever of a comma or a semicolon
// comes first outside quotes, else by blanks and TABs. A quoted part keeps its separators and
// blanks; the quotes go, so do blanks around a directory and empty ones.
std::vector<std::string> splitDirectoryList(std::string_view value);

// The directories that the bytes of search.pro list, in order: each line split as a value,
// a "!" outside quotes starting a comment.
std::vector<std::string> searchProDirectories(std::string_view bytes);

// How a directory names an environment variable: $NAME (letters, digits and "_") in
// search_path values, %NAME% in search.pro on Windows.
enum class VariableStyle { dollar, percent };

// The value of an environment variable, nothing where it is not set.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;

// `text` with each variable replaced by its value; a variable that is not set refuses, with
// a message naming it.
Result<std::string> expandedVariables(std::string_view text, VariableStyle style,
                                      const Environment& environment);

// A directory or file of the search that could not be read, and why.
struct PlaceNotRead {
    std::string path;
    std::string reason;
    bool operator==(const PlaceNotRead&) const = default;
};

struct SearchPath {
    // Absolute, in the order the CAD system looks: the search_path values of the files in the
    // order read, then the directories of search_path_file's file (the last one set).
    std::vector<std::string> directories;
    // A config.pro that is there but cannot be read, the search_path_file that cannot, a
    // directory whose variable is not set.
    std::vector<PlaceNotRead> notRead;
};

// The search path that the config.pro files `configPaths` give (startConfigPaths, in the
// order the CAD system reads them); relative directories are taken against
// `startDirectory`, as the CAD system takes them. A missing config.pro gives nothing.
SearchPath readSearchPath(const std::vector<std::string>& configPaths,
                          const std::string& startDirectory, const Environment& environment);

}  // namespace stapelwerk
