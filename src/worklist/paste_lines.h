#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/work_list.h"

namespace stapelwerk {

// The lines of pasted, dropped or read text that become list entries: a line ends at
// CR LF, CR or LF; the rows of the list as forEachListRow hands them over (byte-order
// marks, empty lines and headers left out), each as it stands, blanks and further columns
// included: confirming takes its name (firstCell).
std::vector<std::string> pastedLines(std::string_view clipboardText);
// The same lines as unselected work list entries.
WorkEntries pastedEntries(std::string_view clipboardText);

// Whether a pasted or dropped text is more than the program takes of any input: it is
// refused whole rather than cut into lines that would hold it several times over.
bool pasteTooLarge(std::string_view clipboardText);

}  // namespace stapelwerk
