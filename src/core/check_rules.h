#pragma once

#include <cstddef>
#include <span>
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

// The CAD system's model types, as the type extension of a file name names them; letter case
// does not matter.
inline constexpr std::string_view kModelTypes[] = {
    "prt",  // part
    "asm",  // assembly
    "drw",  // drawing
    "frm",  // format
    "sec",  // section
    "lay",  // layout
    "mfg",  // manufacturing
    "mrk",  // markup
    "dgm",  // diagram
};

// A line of config.pro: the option and its value, in the small letters of the documentation.
struct ConfigSetting {
    std::string_view option;
    std::string_view value;
};

struct CheckRules {
    // A model's name, the part of the file name before its type extension: its dialogs
    // cannot open, and save-as cannot create, a file whose name breaks these.
    NameRules modelName;
    // A file name without a type extension is no model file.
    bool modelNeedsExtension;
    // A file of another type is none the CAD system opens as a model.
    std::span<const std::string_view> modelTypes;
    NameRules parameterName;
    std::size_t maxValueLength;  // of a parameter's value, in characters
    // The deletion picks the parameter from a menu that only the older parameter dialog has;
    // without this setting the CAD system shows the newer one, and the run stops at the
    // first part. doit.pro does not set it (unlike the assignment).
    ConfigSetting parameterDeletionNeeds;
    // A mapkey name holds none of these: in a chain they are a shell's quoting, come through.
    std::string_view chainQuotes;
};

inline constexpr CheckRules kCheckRules = {
    .modelName = {.maxLength = 31, .marks = "_-", .beginsWithLetter = false, .notFirst = "-"},
    .modelNeedsExtension = true,
    .modelTypes = kModelTypes,
    .parameterName = {.maxLength = 31, .marks = "_", .beginsWithLetter = true, .notFirst = ""},
    .maxValueLength = 80,
    .parameterDeletionNeeds = {.option = "new_parameter_ui", .value = "no"},
    .chainQuotes = "\"'",
};

}  // namespace stapelwerk
