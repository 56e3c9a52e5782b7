#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/placeholders.h"
#include "platform/result.h"
#include "platform/system.h"

// Every text the program shows, in one place: the texts and templates in core/text_table.h,
// and here the functions that fill a template with what the message names.
namespace stapelwerk::texts {

#define STAPELWERK_TEXT(name, text) inline constexpr std::string_view name = text;
#include "core/text_table.h"
#undef STAPELWERK_TEXT

struct NamedText {
    std::string_view name;
    std::string_view text;
};

// Every row of the table: a test walks them, so that no text changes unnoticed.
inline constexpr NamedText kEveryText[] = {
#define STAPELWERK_TEXT(name, text) {#name, name},
#include "core/text_table.h"
#undef STAPELWERK_TEXT
};

// Status line
std::string messagePasteTooLarge();
std::string statusFilesChosen(std::size_t count);
std::string statusFilesAdded(std::size_t count);
std::string statusListFileRead(std::string_view path);

// Messages
std::string messageEntryUnreadable(std::string_view entry);
std::string messageEntryNotEncodable(std::string_view entry);
std::string messageSaveAsEntryTooShort(std::string_view entry);
std::string messageTextNotEncodable(std::string_view line);
std::string messageFileNotWritten(std::string_view path, std::string_view reason);
std::string messageSettingNotSaved(std::string_view path, std::string_view reason);

// Function dialogs: mapkey chain, parameter deletion, parameter list; `subject` is one of
// the kSubject texts.
std::string messageUnreadable(std::string_view subject, std::string_view text);
// An entry, a parameter name or a value with a ";", which in a mapkey ends a step, or a TAB.
std::string messageSemicolon(std::string_view subject, std::string_view text);
std::string messageTab(std::string_view subject, std::string_view text);
std::string messageNotEncodable(std::string_view subject, std::string_view text);
std::string messageValueNotEncodableInList(std::string_view value, std::string_view path);
std::string messageValueListMissing(std::string_view path);
std::string messageFileNotRead(std::string_view path, std::string_view reason);

// The work list kept for the next start, in the user's data directory.
std::string messageKeptListNotWritten(std::string_view path, std::string_view reason);
std::string statusKeptListNotRead(std::string_view path, std::string_view reason);
std::string statusKeptListDamaged(std::string_view path, std::size_t line);
std::string statusKeptListNewer(std::string_view path, unsigned format);

// Explanations under the pointer (`Erklaer`)
// The auto button's explanation names the output directory `outputDirectory` as it stands.
std::string explainAuto(std::string_view outputDirectory);

// Preview of doit.pro (`frm_preview`)
// "3.000 Einträge, 1.404.002 Bytes"
std::string previewSummary(std::size_t entries, std::size_t bytes);

// Where Pro/E finds the entries, as the preview shows it: how many it found of how many in
// how many directories, and an entry with the file it opens, or none.
std::string previewLocated(std::size_t found, std::size_t entries, std::size_t places);
// Of save-as (`saveAs`): the file saved over, or that it is made.
std::string entryLocation(std::string_view entry, const std::optional<std::string>& file,
                          bool saveAs);

// Info dialog (`frm_help`): the lines of `Text1`.
std::vector<std::string> infoTextLines();

// config.pro and the mapkey auto
std::string messageConfigProNotRead(std::string_view path, std::string_view reason);
std::string messageConfigProNotCreated(std::string_view path, std::string_view reason);
std::string messageConfigProNotWritten(std::string_view path, std::string_view reason);
std::string messageConfigProBackupNotWritten(std::string_view path, std::string_view reason);

// The window program on the terminal, where the window system chosen lacks `variables`.
std::string messageNoDisplay(const std::vector<std::string_view>& variables);

// The command line `stapelwerk-batch`
// --help: the forms of the call, every function and option, and an example of each function,
// written for the shell of `system` (cmd.exe on Windows).
std::string batchHelp(os::System system = os::kSystem);
// What a console shows before the list (or the values) is typed: how to end the input there.
std::string consoleListHint(os::System system = os::kSystem);
std::string consoleValuesHint(os::System system = os::kSystem);
// What a usage error says before the forms of the call; `detail`, where not empty, names what
// the call lacks or has too much.
std::string messageBatchUsageError(std::string_view summary, std::string_view detail);
std::string usageDetailMissing(std::string_view what);
std::string usageDetailNotExpected(const std::vector<std::string>& arguments);
// `undone` is kNothingSaved or kNothingChecked.
std::string messageOutputDirectoryMissing(std::string_view path, std::string_view reason,
                                          std::string_view undone);
std::string messageStandardInputNotRead(std::string_view undone);
std::string messageStandardInputTooLarge(std::string_view undone);
std::string messageListEmpty(std::string_view path, std::string_view undone);
std::string messageStandardInputListEmpty(std::string_view undone);
// "1 Eintrag", "1.234 Einträge".
std::string entryCount(std::size_t entries);
std::string messageBatchWritten(std::string_view path, std::string_view command,
                                std::size_t entries);
std::string messageBatchWrittenToStandardOutput(std::string_view command, std::size_t entries);

// Values matched by name: the names in question, one a line under a heading; past
// `shownAtMost` of them, how many more there are (a message box must fit on the screen).
std::string namesUnderHeading(std::string_view heading, const std::vector<std::string>& names,
                              std::size_t shownAtMost = static_cast<std::size_t>(-1));
// The first parts matched by name with their values; `more` parts with a value follow.
std::string valuesOfParts(const std::vector<std::string>& parts,
                          const std::vector<std::string>& values, std::size_t more);

// The check before doit.pro is written: the headings of its findings (the limits and
// characters come from its rules), and how the command line and the dialog show them.
inline constexpr std::size_t kFindingItemsShown = 50;
std::string findingModelNameTooLong(std::size_t maxLength);
std::string findingModelNameCharacters(std::string_view marks);
std::string findingModelNameStart(std::string_view notFirst);
std::string findingParameterNameTooLong(std::size_t maxLength);
std::string findingParameterNameCharacters(std::string_view marks);
std::string findingValueTooLong(std::size_t maxLength);
std::string findingUnknownModelType(std::span<const std::string_view> types);
std::string findingEntrySavedAs(std::string_view entry, std::string_view saved);
std::string findingEntryLike(std::string_view entry, std::string_view earlier);
std::string findingChainQuotes(std::string_view quotes);
std::string pathWithReason(std::string_view path, std::string_view reason);
std::string findingOptionNotSet(std::string_view option, std::string_view value);
std::string findingOptionNotLooked(std::string_view option, std::string_view value);
std::string optionInFile(std::string_view path, std::string_view option, std::string_view value);
std::string optionNotInFile(std::string_view path, std::string_view option);
// A heading, the first things found, one a line, and how many of `total` are not shown; a
// thing with a note (`notes`, by position; may be shorter) is followed by it.
std::string findingText(std::string_view heading, const std::vector<std::string_view>& shown,
                        std::size_t total, const std::vector<std::string_view>& notes = {});
// The same with lines worded already (findingEntrySavedAs, findingEntryLike).
std::string findingLines(std::string_view heading, const std::vector<std::string>& lines,
                         std::size_t total);
// The notes of the check's look-up: where the CAD system opens an entry and where else it
// lies; the version and the directory that the list names beside the file opened.
std::string noteOpens(std::string_view opened);
std::string noteFoundAgain(std::string_view opened, const std::vector<std::string>& alsoIn);
std::string noteOtherVersion(std::uint32_t named, std::string_view opened);
std::string noteOtherDirectory(std::string_view named, std::string_view opened);
std::string reasonVariableNotSet(std::string_view name);
// The wait for the look-up: the directory being read of all.
std::string locateProgress(std::size_t place, std::size_t places);
std::string statusEntriesUnmarked(std::size_t count);
std::string chainUndefinedNote(const std::vector<std::string>& names);

// The job record, the journal and the results of a run
std::string messageNoJobRecord(std::string_view directory);
std::string messageJobRecordDamaged(std::string_view path, std::size_t line);
std::string messageJobRecordNewer(std::string_view path, std::string_view format,
                                  unsigned readable);
std::string messageJobRecordTooLarge(std::string_view path);
std::string messageJobRecordNotWritten(std::string_view path, std::string_view reason);
std::string messageNothingToResume(std::size_t entries, std::string_view runId);
std::string messageJobNotSaved(std::string_view path, std::string_view reason);
std::string messageJobNotBuilt(std::string_view path);
std::string messageJobHistoryNotKept(std::string_view folder, std::string_view reason);
std::string statusJobOpened(std::string_view path, std::size_t lines);
std::string statusJobSaved(std::string_view path);
std::string recentJobLine(std::string_view when, std::string_view function, std::size_t entries);
std::string reportEntry(std::size_t number, std::string_view result, std::string_view entry);
// `others`: the results besides kResultDone that occur, each with its count.
struct ResultCount {
    std::string_view result;
    std::size_t count;
};
std::string reportSummary(std::string_view runId, std::size_t done, std::size_t entries,
                          const std::vector<ResultCount>& others);
std::string reportJournalOff(std::string_view runId);
std::string reportJournalSilent(std::string_view journalPath, std::string_view runId);
std::string reportDirectoryNotRead(std::string_view directory, std::string_view reason);
std::string runWaiting(std::string_view runId, std::size_t entries);
std::string runProgress(std::size_t passed, std::size_t entries, std::string_view latest);
std::string runStands(int minutes, std::size_t entry, std::string_view file);
std::string runStandsAtEnd(int minutes, std::size_t entries);
std::string statusLastRun(std::size_t reached, std::size_t entries);
std::string statusNamesCopied(std::size_t count);
std::string questionRemainder(std::size_t entries, std::string_view directory);

// What the system could not open for the user: doit.pro for editing, the download page.
std::string messageNotOpenedForEditing(std::string_view path);
std::string messageAddressNotOpened(std::string_view address);

// Reasons, as a message shows them after "Grund:"
std::string reasonLinkNotFollowed(std::string_view link);
std::string reasonBackupAtLink(std::string_view link);
std::string reasonInputTooLarge();
// German for the causes a user meets with files; any other in the system's own words, which
// follow the user's language where the system has it.
std::string systemReason(const std::error_code& error);
// Why the platform failed, worded from its kind, error and subject; empty for a refusal of
// the program's own, whose message says it all.
std::string reasonOf(const Failure& failure);
// Empty when ok.
template <typename T>
std::string reasonOf(const Result<T>& result) {
    return result.ok() ? std::string() : reasonOf(result.failure());
}

}  // namespace stapelwerk::texts
