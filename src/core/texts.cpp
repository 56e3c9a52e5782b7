#include "core/texts.h"

#include <algorithm>

#include "core/check_rules.h"
#include "core/job_record.h"
#include "platform/input_limit.h"
#include "platform/utf8.h"

namespace stapelwerk::texts {

namespace {
// A message names a text by its beginning when it is long: a pasted line of megabytes
// would make a message box no one can read, and one that takes seconds to lay out.
constexpr std::size_t kQuotedCharacters = 200;

std::string quoted(std::string_view text) {
    std::string result = "\"";
    const std::size_t length = utf8::length(text);
    if (length <= kQuotedCharacters) {
        result.append(text);
    } else {
        result.append(utf8::dropLast(text, length - kQuotedCharacters)).append("…");
    }
    result.append("\"");
    return result;
}

// A number with its thousands set apart by dots, as German writes it.
std::string groupedNumber(std::size_t number) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}

// The items as a sentence lists them: each joined to those before it by `join`, the last
// by `joinLast` (kListNext, kListAnd: "a, b und c").
std::string listed(const std::vector<std::string>& items, std::string_view join,
                   std::string_view joinLast) {
    std::string text = items.empty() ? std::string() : items.front();
    for (std::size_t i = 1; i < items.size(); ++i) {
        text = filled(i + 1 == items.size() ? joinLast : join, {text, items[i]});
    }
    return text;
}

// Each mark quoted on its own.
std::vector<std::string> quotedMarks(std::string_view marks) {
    std::vector<std::string> items;
    items.reserve(marks.size());
    for (std::size_t i = 0; i < marks.size(); ++i) items.push_back(quoted(marks.substr(i, 1)));
    return items;
}

// The characters a name may hold: letters, digits and the `marks` of its rule.
std::string charactersAllowed(std::string_view marks) {
    std::vector<std::string> items = {std::string(kLetters), std::string(kDigits)};
    for (std::string& mark : quotedMarks(marks)) items.push_back(std::move(mark));
    return listed(items, kListNext, kListAnd);
}

// ".prt, .asm und .drw"
std::string modelTypesListed(std::span<const std::string_view> types) {
    std::vector<std::string> items;
    items.reserve(types.size());
    for (const std::string_view type : types) items.push_back("." + std::string(type));
    return listed(items, kListNext, kListAnd);
}

std::string mostInputSize() {
    static_assert(kMostInputBytes % (std::size_t{1} << 20) == 0, "named in whole megabytes");
    return filled(kMegabytes, {std::to_string(kMostInputBytes >> 20)});
}

}  // namespace

std::string messagePasteTooLarge() { return filled(kMessagePasteTooLarge, {mostInputSize()}); }

std::string statusFilesChosen(std::size_t count) {
    return filled(kStatusFilesChosen, {std::to_string(count)});
}

std::string statusFilesAdded(std::size_t count) {
    return filled(kStatusFilesAdded, {std::to_string(count)});
}

std::string statusListFileRead(std::string_view path) {
    return filled(kStatusListFileRead, {path});
}

std::string messageEntryUnreadable(std::string_view entry) {
    return messageUnreadable(kSubjectEntry, entry);
}

std::string messageEntryNotEncodable(std::string_view entry) {
    return filled(kMessageEntryNotEncodable, {quoted(entry)});
}

std::string messageSaveAsEntryTooShort(std::string_view entry) {
    return filled(kMessageSaveAsEntryTooShort, {quoted(entry)});
}

std::string messageTextNotEncodable(std::string_view line) {
    return filled(kMessageTextNotEncodable, {quoted(line)});
}

std::string messageFileNotWritten(std::string_view path, std::string_view reason) {
    return filled(kMessageFileNotWritten, {quoted(path), reason});
}

std::string messageSettingNotSaved(std::string_view path, std::string_view reason) {
    return filled(kMessageSettingNotSaved, {quoted(path), reason});
}

std::string messageUnreadable(std::string_view subject, std::string_view text) {
    return filled(kMessageUnreadable, {subject, quoted(text)});
}

std::string messageSemicolon(std::string_view subject, std::string_view text) {
    return filled(kMessageSemicolon, {subject, quoted(text)});
}

std::string messageTab(std::string_view subject, std::string_view text) {
    return filled(kMessageTab, {subject, quoted(text)});
}

std::string messageNotEncodable(std::string_view subject, std::string_view text) {
    return filled(kMessageNotEncodable, {subject, quoted(text)});
}

std::string messageValueNotEncodableInList(std::string_view value, std::string_view path) {
    return filled(kMessageValueNotEncodableInList, {quoted(value), quoted(path)});
}

std::string messageValueListMissing(std::string_view path) {
    return filled(kMessageValueListMissing, {quoted(path)});
}

std::string messageFileNotRead(std::string_view path, std::string_view reason) {
    return filled(kMessageFileNotRead, {quoted(path), reason});
}

std::string messageKeptListNotWritten(std::string_view path, std::string_view reason) {
    return filled(kMessageKeptListNotWritten, {quoted(path), reason});
}

std::string statusKeptListNotRead(std::string_view path, std::string_view reason) {
    return filled(kStatusKeptListNotRead, {path, reason});
}

std::string statusKeptListDamaged(std::string_view path, std::size_t line) {
    return filled(kStatusKeptListDamaged, {path, std::to_string(line)});
}

std::string statusKeptListNewer(std::string_view path, unsigned format) {
    return filled(kStatusKeptListNewer, {path, std::to_string(format)});
}

std::string explainAuto(std::string_view outputDirectory) {
    return filled(kExplainAuto, {outputDirectory});
}

std::string previewSummary(std::size_t entries, std::size_t bytes) {
    return filled(kPreviewSummary, {groupedNumber(entries), groupedNumber(bytes)});
}

std::vector<std::string> infoTextLines() {
    const std::string text = filled(kInfoText, {std::to_string(kCheckRules.modelName.maxLength),
                                                std::to_string(kCheckRules.parameterName.maxLength),
                                                std::to_string(kCheckRules.maxValueLength)});
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::string messageConfigProNotRead(std::string_view path, std::string_view reason) {
    return filled(kMessageConfigProNotRead, {quoted(path), reason});
}

std::string messageConfigProNotCreated(std::string_view path, std::string_view reason) {
    return filled(kMessageConfigProNotCreated, {quoted(path), reason});
}

std::string messageConfigProNotWritten(std::string_view path, std::string_view reason) {
    return filled(kMessageConfigProNotWritten, {quoted(path), reason});
}

std::string messageConfigProBackupNotWritten(std::string_view path, std::string_view reason) {
    return filled(kMessageConfigProBackupNotWritten, {quoted(path), reason});
}

std::string messageNoDisplay(const std::vector<std::string_view>& variables) {
    const std::vector<std::string> names(variables.begin(), variables.end());
    return filled(kMessageNoDisplay, {listed(names, kListNext, kListAnd)});
}

std::string batchHelp(os::System system) {
    const bool windows = system == os::System::windows;
    return filled(
        kBatchHelp,
        {kBatchUsage, std::to_string(kCheckRules.modelName.maxLength),
         std::to_string(kCheckRules.parameterName.maxLength),
         std::to_string(kCheckRules.maxValueLength), modelTypesListed(kCheckRules.modelTypes),
         windows ? kBatchExamplesWindows : kBatchExamples, windows ? kBatchNotesWindows : ""});
}

namespace {
std::string_view consoleEndKeys(os::System system) {
    return system == os::System::windows ? kConsoleEndKeysWindows : kConsoleEndKeys;
}
}  // namespace

std::string consoleListHint(os::System system) {
    return filled(kConsoleListHint, {consoleEndKeys(system)});
}

std::string consoleValuesHint(os::System system) {
    return filled(kConsoleValuesHint, {consoleEndKeys(system)});
}

std::string messageBatchUsageError(std::string_view summary, std::string_view detail) {
    if (detail.empty()) return filled(kMessageBatchUsageError, {summary, kBatchUsage});
    return filled(kMessageBatchUsageErrorWithDetail, {summary, detail, kBatchUsage});
}

std::string usageDetailMissing(std::string_view what) {
    return filled(kUsageDetailMissing, {what});
}

std::string usageDetailNotExpected(const std::vector<std::string>& arguments) {
    std::string call;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        call.append(i > 0 ? " " : "").append(arguments[i]);
    return filled(kUsageDetailNotExpected, {call});
}

std::string messageOutputDirectoryMissing(std::string_view path, std::string_view reason,
                                          std::string_view undone) {
    return filled(kMessageOutputDirectoryMissing, {quoted(path), reason, undone});
}

std::string messageStandardInputNotRead(std::string_view undone) {
    return filled(kMessageStandardInputNotRead, {undone});
}

std::string messageStandardInputTooLarge(std::string_view undone) {
    return filled(kMessageStandardInputTooLarge, {mostInputSize(), undone});
}

std::string messageListEmpty(std::string_view path, std::string_view undone) {
    return filled(kMessageListEmpty, {quoted(path), undone});
}

std::string messageStandardInputListEmpty(std::string_view undone) {
    return filled(kMessageStandardInputListEmpty, {undone});
}

std::string entryCount(std::size_t entries) {
    return entries == 1 ? std::string(kOneEntry) : filled(kEntries, {groupedNumber(entries)});
}

std::string messageBatchWritten(std::string_view path, std::string_view command,
                                std::size_t entries) {
    return filled(kMessageBatchWritten, {quoted(path), command, entryCount(entries)});
}

std::string messageBatchWrittenToStandardOutput(std::string_view command, std::size_t entries) {
    return filled(kMessageBatchWrittenToStandardOutput, {command, entryCount(entries)});
}

std::string findingModelNameTooLong(std::size_t maxLength) {
    return filled(kFindingModelNameTooLong, {std::to_string(maxLength)});
}

std::string findingModelNameCharacters(std::string_view marks) {
    return filled(kFindingModelNameCharacters, {charactersAllowed(marks)});
}

std::string findingModelNameStart(std::string_view notFirst) {
    return filled(kFindingModelNameStart, {listed(quotedMarks(notFirst), kListOr, kListOr)});
}

std::string findingParameterNameTooLong(std::size_t maxLength) {
    return filled(kFindingParameterNameTooLong, {std::to_string(maxLength)});
}

std::string findingParameterNameCharacters(std::string_view marks) {
    return filled(kFindingParameterNameCharacters, {charactersAllowed(marks)});
}

std::string findingChainQuotes(std::string_view quotes) {
    std::vector<std::string> items;
    for (const char quote : quotes) items.emplace_back(1, quote);
    return filled(kFindingChainQuotes, {listed(items, kListOr, kListOr)});
}

std::string findingValueTooLong(std::size_t maxLength) {
    return filled(kFindingValueTooLong, {std::to_string(maxLength)});
}

std::string findingUnknownModelType(std::span<const std::string_view> types) {
    return filled(kFindingUnknownModelType, {modelTypesListed(types)});
}

std::string findingEntrySavedAs(std::string_view entry, std::string_view saved) {
    return filled(kFindingEntrySavedAs, {quoted(entry), quoted(saved)});
}

std::string findingEntryLike(std::string_view entry, std::string_view earlier) {
    return filled(kFindingEntryLike, {quoted(entry), quoted(earlier)});
}

std::string pathWithReason(std::string_view path, std::string_view reason) {
    return filled(kPathWithReason, {quoted(path), reason});
}

std::string findingOptionNotSet(std::string_view option, std::string_view value) {
    return filled(kFindingOptionNotSet, {option, value});
}

std::string findingOptionNotLooked(std::string_view option, std::string_view value) {
    return filled(kFindingOptionNotLooked, {option, value});
}

std::string optionInFile(std::string_view path, std::string_view option, std::string_view value) {
    return filled(kOptionInFile, {quoted(path), option, value});
}

std::string optionNotInFile(std::string_view path, std::string_view option) {
    return filled(kOptionNotInFile, {quoted(path), option});
}

std::string findingText(std::string_view heading, const std::vector<std::string_view>& shown,
                        std::size_t total, const std::vector<std::string_view>& notes) {
    std::vector<std::string> lines;
    lines.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        lines.push_back(i < notes.size() && !notes[i].empty()
                            ? filled(kItemWithNote, {quoted(shown[i]), notes[i]})
                            : quoted(shown[i]));
    }
    return findingLines(heading, lines, total);
}

std::string findingLines(std::string_view heading, const std::vector<std::string>& lines,
                         std::size_t total) {
    std::string text(heading);
    for (const std::string& line : lines) text.append("\n  ").append(line);
    if (total > lines.size()) {
        text.append("\n  ").append(filled(kMoreNotShown, {groupedNumber(total - lines.size())}));
    }
    return text;
}

std::string namesUnderHeading(std::string_view heading, const std::vector<std::string>& names,
                              std::size_t shownAtMost) {
    const std::vector<std::string_view> shown(
        names.begin(),
        names.begin() + static_cast<std::ptrdiff_t>(std::min(shownAtMost, names.size())));
    return findingText(heading, shown, names.size());
}

std::string noteOpens(std::string_view opened) { return filled(kNoteOpens, {quoted(opened)}); }

std::string noteFoundAgain(std::string_view opened, const std::vector<std::string>& alsoIn) {
    std::vector<std::string> places;
    places.reserve(alsoIn.size());
    for (const std::string& place : alsoIn) places.push_back(quoted(place));
    return filled(kNoteFoundAgain, {quoted(opened), listed(places, kListNext, kListAnd)});
}

std::string noteOtherVersion(std::uint32_t named, std::string_view opened) {
    return filled(kNoteOtherVersion, {std::to_string(named), quoted(opened)});
}

std::string noteOtherDirectory(std::string_view named, std::string_view opened) {
    return filled(kNoteOtherDirectory, {quoted(named), quoted(opened)});
}

std::string previewLocated(std::size_t found, std::size_t entries, std::size_t places) {
    return filled(kPreviewLocated,
                  {groupedNumber(found), groupedNumber(entries), groupedNumber(places)});
}

std::string entryLocation(std::string_view entry, const std::optional<std::string>& file,
                          bool saveAs) {
    if (!file) return filled(saveAs ? kLocationCreated : kLocationMissing, {entry});
    return filled(saveAs ? kLocationSavedOver : kLocationOpens, {entry, quoted(*file)});
}

std::string locateProgress(std::size_t place, std::size_t places) {
    return filled(kLocateProgress, {groupedNumber(place), groupedNumber(places)});
}

std::string reasonVariableNotSet(std::string_view name) {
    return filled(kReasonVariableNotSet, {name});
}

std::string statusEntriesUnmarked(std::size_t count) {
    return filled(kStatusEntriesUnmarked, {groupedNumber(count)});
}

std::string chainUndefinedNote(const std::vector<std::string>& names) {
    std::vector<std::string> items;
    items.reserve(names.size());
    for (const std::string& name : names) items.push_back(quoted(name));
    return filled(kChainUndefinedNote, {listed(items, kListNext, kListNext)});
}

std::string valuesOfParts(const std::vector<std::string>& parts,
                          const std::vector<std::string>& values, std::size_t more) {
    std::string text(kHeadingValuesOfParts);
    for (std::size_t i = 0; i < parts.size() && i < values.size(); ++i) {
        text.append("\n  ").append(filled(kPartGetsValue, {quoted(parts[i]), quoted(values[i])}));
    }
    if (more > 0) text.append("\n  ").append(filled(kMoreNotShown, {std::to_string(more)}));
    return text;
}

std::string messageNoJobRecord(std::string_view directory) {
    return filled(kMessageNoJobRecord, {quoted(directory)});
}

std::string messageJobRecordDamaged(std::string_view path, std::size_t line) {
    return filled(kMessageJobRecordDamaged, {quoted(path), std::to_string(line)});
}

std::string messageJobRecordNewer(std::string_view path, std::string_view format,
                                  unsigned readable) {
    return filled(kMessageJobRecordNewer, {quoted(path), format, std::to_string(readable)});
}

std::string messageJobRecordTooLarge(std::string_view path) {
    return filled(kMessageJobRecordTooLarge,
                  {quoted(path), filled(kMegabytes, {std::to_string(kMostJobRecordBytes >> 20)})});
}

std::string messageJobRecordNotWritten(std::string_view path, std::string_view reason) {
    return filled(kMessageJobRecordNotWritten, {quoted(path), reason});
}

std::string messageNothingToResume(std::size_t entries, std::string_view runId) {
    return filled(kMessageNothingToResume, {groupedNumber(entries), runId});
}

std::string messageJobNotSaved(std::string_view path, std::string_view reason) {
    return filled(kMessageJobNotSaved, {quoted(path), reason});
}

std::string messageJobNotBuilt(std::string_view path) {
    return filled(kMessageJobNotBuilt, {quoted(path)});
}

std::string messageJobHistoryNotKept(std::string_view folder, std::string_view reason) {
    return filled(kMessageJobHistoryNotKept, {quoted(folder), reason});
}

std::string statusJobOpened(std::string_view path, std::size_t lines) {
    return filled(kStatusJobOpened, {quoted(path), groupedNumber(lines)});
}

std::string recentJobLine(std::string_view when, std::string_view function, std::size_t entries) {
    return filled(kRecentJobLine, {when, function, entryCount(entries)});
}

std::string statusJobSaved(std::string_view path) {
    return filled(kStatusJobSaved, {quoted(path)});
}

std::string reportEntry(std::size_t number, std::string_view result, std::string_view entry) {
    return filled(kReportEntry, {std::to_string(number), result, entry});
}

std::string reportSummary(std::string_view runId, std::size_t done, std::size_t entries,
                          const std::vector<ResultCount>& others) {
    if (others.empty()) return filled(kReportAllDone, {runId, groupedNumber(entries)});
    std::vector<std::string> counts;
    counts.reserve(others.size());
    for (const ResultCount& other : others) {
        counts.push_back(filled(kResultCount, {groupedNumber(other.count), other.result}));
    }
    return filled(kReportSummary, {runId, groupedNumber(done), groupedNumber(entries),
                                   listed(counts, kListNext, kListNext)});
}

std::string reportJournalOff(std::string_view runId) { return filled(kReportJournalOff, {runId}); }

std::string reportJournalSilent(std::string_view journalPath, std::string_view runId) {
    return filled(kReportJournalSilent, {quoted(journalPath), runId});
}

std::string reportDirectoryNotRead(std::string_view directory, std::string_view reason) {
    return filled(kReportDirectoryNotRead, {quoted(directory), reason});
}

std::string runWaiting(std::string_view runId, std::size_t entries) {
    return filled(kRunWaiting, {runId, groupedNumber(entries)});
}

std::string runProgress(std::size_t passed, std::size_t entries, std::string_view latest) {
    return filled(kRunProgress, {groupedNumber(passed), groupedNumber(entries), latest});
}

std::string runStands(int minutes, std::size_t entry, std::string_view file) {
    return filled(kRunStands, {std::to_string(minutes), groupedNumber(entry), file});
}

std::string runStandsAtEnd(int minutes, std::size_t entries) {
    return filled(kRunStandsAtEnd, {std::to_string(minutes), groupedNumber(entries)});
}

std::string statusLastRun(std::size_t reached, std::size_t entries) {
    return filled(kStatusLastRun, {groupedNumber(reached), groupedNumber(entries)});
}

std::string statusNamesCopied(std::size_t count) {
    return filled(kStatusNamesCopied, {groupedNumber(count)});
}

std::string questionRemainder(std::size_t entries, std::string_view directory) {
    return filled(kQuestionRemainder, {groupedNumber(entries), quoted(directory)});
}

std::string messageNotOpenedForEditing(std::string_view path) {
    return filled(kMessageNotOpenedForEditing, {quoted(path)});
}

std::string messageAddressNotOpened(std::string_view address) {
    return filled(kMessageAddressNotOpened, {address});
}

std::string reasonLinkNotFollowed(std::string_view link) {
    return filled(kReasonLinkNotFollowed, {quoted(link)});
}

std::string reasonBackupAtLink(std::string_view link) {
    return filled(kReasonBackupAtLink, {quoted(link)});
}

std::string reasonInputTooLarge() { return filled(kReasonInputTooLarge, {mostInputSize()}); }

}  // namespace stapelwerk::texts
