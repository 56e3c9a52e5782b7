#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/work_list.h"
#include "platform/result.h"

namespace stapelwerk {

class Job;

// The file name of a path without drive, directory and any dotted part: the
// text before its first dot that is followed by something ("\" and "/" both
// separate directories).
std::string baseName(std::string_view path);

// The first dotted part after the file name, dot included, from the same scan
// as baseName; a dot with nothing after it is never an extension.
std::string firstExtension(std::string_view path);

// What confirming makes of a file name: baseName of it trimmed plus firstExtension of it
// untrimmed.
std::string reducedName(std::string_view name);

// What confirming makes of one line of the work list: reducedName of its first cell.
std::string reducedEntry(std::string_view line);

// The entries without every non-empty one that equals an earlier one (exact,
// case-sensitive); empty entries always stay. Keeps the order.
TextList withoutRepeats(const TextList& entries);

// The entries to process: every selected entry reduced (reducedEntry), repeats removed.
TextList confirmedEntries(const WorkEntries& workList);

// Rebuilds the job's entries to process from the selected entries of its work list.
// Gives the status text, or (when no entry was selected) the message that asks for files.
Result<std::string> confirmSelection(Job& job);

}  // namespace stapelwerk
