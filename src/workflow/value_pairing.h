#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/job.h"
#include "params/keyed_values.h"
#include "platform/result.h"

// How the values of a parameter assignment find their parts, decided once for the window
// and the command line.
namespace stapelwerk::workflow {

enum class ValueListForm {
    // By name when the lines form a two-column list (isTwoColumnList), else by position.
    detect,
    oneValueALine,
    keyed,
};

// The values for the job's confirmed entries from the value list's `lines`. By position
// (valuesByPosition: each line's first cell) the counts must agree (checkAssignment), or it
// is refused; by name (pairByName) the pairing comes with its gaps and contradictions for
// judgeKeyedPairing, and the caller decides.
Result<KeyedPairing> pairValues(const Job& job, const std::vector<std::string>& lines,
                                ValueListForm form);

// pairValues on the lines of `text` (a line ends at CR LF, CR or LF, as a script writes
// them). One value a line, a count that does not agree is refused before the text is cut,
// and a keyed list is read straight from the text: millions of lines held one by one
// would take several times the file.
Result<KeyedPairing> pairValueText(const Job& job, std::string_view text, ValueListForm form);

enum class KeyedVerdict {
    complete,
    // Parts without a value, names without a part or of several parts: built only when the
    // user accepts.
    withGaps,
    // A name given twice with different values: never built.
    contradictory,
};

KeyedVerdict judgeKeyedPairing(const KeyedPairing& pairing);

}  // namespace stapelwerk::workflow
