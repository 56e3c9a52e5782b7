#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/built_text.h"
#include "core/text_list.h"
#include "generate/journal_steps.h"

namespace stapelwerk {

// Every builder puts the steps of `journal` into its text, none by default.

// Open-and-apply: for every entry the open block, the entry and the filled tail `tail`.
BuiltText buildOpenAndApply(const TextList& entries, std::string_view tail,
                            const JournalSteps& journal = JournalSteps());

// Save-as: the shown model saved under every entry's name (saveAsName); entries of four
// characters or fewer are refused.
BuiltText buildSaveAs(const TextList& entries, const JournalSteps& journal = JournalSteps());

// The name save-as saves an entry under: the entry less its last four characters, whatever
// they are (a dot and the type, for "welle.drw"); a view into `entry`.
std::string_view saveAsName(std::string_view entry);

// Parameter assignment: headed by "new_parameter_ui no"; in the tail `tail` the first
// four placeholder words (those of a name that holds the word among them) receive the
// entry's value (the empty value where `values` has none at that position), in one pass:
// a value that holds the word is not filled again. Values are refused as entries are, and
// for a ";" (checkStepText);
// values past the last entry are not used and not checked.
BuiltText buildParameterAssignment(const TextList& entries, std::string_view tail,
                                   const std::vector<std::string>& values,
                                   const JournalSteps& journal = JournalSteps());

// Refuses an entry that would make a doit.pro the CAD system cannot read or that a line
// of Windows-1252 text cannot hold (a control character, a NUL pasted from the clipboard
// among them), and one with a TAB or a ';', which would end its step, by name.
Result<> checkEntry(std::string_view entry);

// The same for any other text put into doit.pro, a ';' allowed; `subject` names it in the
// message (texts::kSubjectMapkeyChain and the like).
Result<> checkText(std::string_view subject, std::string_view text);

// checkText for a parameter's name or value, which stands inside a step of the mapkey:
// a ';' would end the step there, so it is refused too.
Result<> checkStepText(std::string_view subject, std::string_view text);

}  // namespace stapelwerk
