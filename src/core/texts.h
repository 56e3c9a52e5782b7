#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/placeholders.h"
#include "platform/result.h"

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

// Messages
std::string messageEntryUnreadable(std::string_view entry);
std::string messageEntryNotEncodable(std::string_view entry);
std::string messageSaveAsEntryTooShort(std::string_view entry);
std::string messageTextNotEncodable(std::string_view line);
std::string messageFileNotWritten(std::string_view path, std::string_view reason);

// Function dialogs: mapkey chain, parameter deletion, parameter list; `subject` is one of
// the kSubject texts.
std::string messageUnreadable(std::string_view subject, std::string_view text);
// An entry, a parameter name or a value with a ";", which in a mapkey ends a step, or a TAB.
std::string messageSemicolon(std::string_view subject, std::string_view text);
std::string messageTab(std::string_view subject, std::string_view text);
std::string messageNotEncodable(std::string_view subject, std::string_view text);
std::string messageValueNotEncodableInList(std::string_view value, std::string_view path);
std::string messageFileNotRead(std::string_view path, std::string_view reason);

// Explanations under the pointer (`Erklaer`)
// The auto button's explanation names the output directory `outputDirectory` as it stands.
std::string explainAuto(std::string_view outputDirectory);

// Preview of doit.pro (`frm_preview`)
// "3.000 Einträge, 1.404.002 Bytes"
std::string previewSummary(std::size_t entries, std::size_t bytes);

// Info dialog (`frm_help`): the lines of `Text1`.
std::vector<std::string> infoTextLines();

// config.pro and the mapkey auto
std::string messageConfigProNotRead(std::string_view path, std::string_view reason);
std::string messageConfigProNotCreated(std::string_view path, std::string_view reason);
std::string messageConfigProNotWritten(std::string_view path, std::string_view reason);
std::string messageConfigProBackupNotWritten(std::string_view path, std::string_view reason);

// The command line `stapelwerk-batch`
// --help: the forms of the call, every function and option, and an example of each function.
std::string batchHelp();
// What a usage error says before the forms of the call; `detail`, where not empty, names what
// the call lacks or has too much.
std::string messageBatchUsageError(std::string_view summary, std::string_view detail);
std::string usageDetailMissing(std::string_view what);
std::string usageDetailNotExpected(const std::vector<std::string>& arguments);
std::string messageOutputDirectoryMissing(std::string_view path, std::string_view reason);
std::string messageStandardInputTooLarge();

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
std::string pathWithReason(std::string_view path, std::string_view reason);
std::string findingOptionNotSet(std::string_view option, std::string_view value);
std::string findingOptionNotLooked(std::string_view option, std::string_view value);
std::string optionInFile(std::string_view path, std::string_view option, std::string_view value);
std::string optionNotInFile(std::string_view path, std::string_view option);
// A heading, the first things found, one a line, and how many of `total` are not shown.
std::string findingText(std::string_view heading, const std::vector<std::string_view>& shown,
                        std::size_t total);
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
