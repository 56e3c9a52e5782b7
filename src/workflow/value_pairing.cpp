#include "workflow/value_pairing.h"

#include "params/assignment_check.h"
#include "params/value_list.h"
#include "platform/line_reader.h"

namespace stapelwerk::workflow {

Result<KeyedPairing> pairValues(const Job& job, const std::vector<std::string>& lines,
                                ValueListForm form) {
    if (form == ValueListForm::detect) {
        form = isTwoColumnList(lines) ? ValueListForm::keyed : ValueListForm::oneValueALine;
    }
    if (form == ValueListForm::keyed) {
        return pairByName(job.confirmedEntries, parseKeyedValues(lines));
    }
    if (Result<> counts = checkAssignment(job.confirmedEntries.size(), lines.size()); !counts) {
        return counts.failure();
    }
    KeyedPairing byPosition;
    byPosition.values = valuesByPosition(lines);
    return byPosition;
}

Result<KeyedPairing> pairValueText(const Job& job, std::string_view text, ValueListForm form) {
    constexpr LoneLineFeed kLineFeed = LoneLineFeed::endsLine;
    if (form == ValueListForm::detect) {
        form = isTwoColumnText(text) ? ValueListForm::keyed : ValueListForm::oneValueALine;
    }
    if (form == ValueListForm::keyed) {
        return pairKeyedText(job.confirmedEntries, text);
    }
    const Result<> counts =
        checkAssignment(job.confirmedEntries.size(), lineCount(text, kLineFeed));
    if (!counts) return counts.failure();
    KeyedPairing byPosition;
    byPosition.values = valuesByPosition(text);
    return byPosition;
}

KeyedVerdict judgeKeyedPairing(const KeyedPairing& pairing) {
    if (!pairing.conflictingNames.empty()) return KeyedVerdict::contradictory;
    if (!pairing.entriesWithoutValue.empty() || !pairing.unmatchedNames.empty() ||
        !pairing.ambiguousNames.empty()) {
        return KeyedVerdict::withGaps;
    }
    return KeyedVerdict::complete;
}

}  // namespace stapelwerk::workflow
