#pragma once

#include <cstddef>
#include <string_view>

// What the CAD system stumbles on, one line per rule, so that a rule found wrong is one line
// to mend. The check before writing, and every text that names a limit, read them from here
// and nowhere else.
namespace stapelwerk {

struct NameRules {
    std::size_t maxLength;      // in characters
    std::string_view marks;     // allowed besides letters and digits
    bool beginsWithLetter;      // the first character must be a letter
    std::string_view notFirst;  // marks it must not begin with
};

struct CheckRules {
    // A model's name, the part of the file name before its type extension: its dialogs
    // cannot open, and save-as cannot create, a file whose name breaks these.
    NameRules modelName;
    // A file name without a type extension is no model file.
    bool modelNeedsExtension;
    NameRules parameterName;
    std::size_t maxValueLength;  // of a parameter's value, in characters
    // A mapkey name holds none of these: in a chain they are a shell's quoting, come through.
    std::string_view chainQuotes;
};

inline constexpr CheckRules kCheckRules = {
    .modelName = {.maxLength = 31, .marks = "_-", .beginsWithLetter = false, .notFirst = "-"},
    .modelNeedsExtension = true,
    .parameterName = {.maxLength = 31, .marks = "_", .beginsWithLetter = true, .notFirst = ""},
    .maxValueLength = 80,
    .chainQuotes = "\"'",
};

}  // namespace stapelwerk
