#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cadconfig/config_options.h"
#include "cadconfig/defined_mapkeys.h"
#include "core/build_inputs.h"
#include "core/text_list.h"
#include "core/work_list.h"

// The check before doit.pro is written: what the CAD system would stumble on in the list,
// the parameter or the chain, found before an unattended run meets it (rules: check_rules.h).
namespace stapelwerk::workflow {

// In the order in which findings are reported.
enum class FindingKind {
    modelNameTooLong,
    modelNameCharacters,
    modelNameStart,
    noTypeExtension,
    parameterNameTooLong,
    parameterNameCharacters,
    parameterNameStart,
    valueTooLong,
    chainQuotes,
    mapkeyUndefined,
    mapkeysNotLooked,
    unknownModelType,
    modelNameNotAscii,
    saveAsNameCut,
    savedTwice,
    openedTwice,
    chainStepTyped,
    // The config.pro files read at start do not set the option that the deletion needs
    // (CheckRules::parameterDeletionNeeds), or none of them could be read.
    optionNotSet,
    optionNotLooked,
    // Where the CAD system finds the entries (locate_check.h): none at all, with the places
    // looked in; an entry nowhere; in several places; in another version or directory than
    // the list names; write-protected where the function saves; places that could not be
    // read; a look-up stopped before its end.
    noEntryFound,
    entryNotFound,
    foundInSeveralPlaces,
    otherVersionOpened,
    otherDirectoryOpened,
    writeProtected,
    placesNotRead,
    locateStopped,
};

struct Finding {
    FindingKind kind;
    // The confirmed entries concerned, by position, in order.
    std::vector<std::size_t> entries;
    // savedTwice and openedTwice: for each entry, the earlier one whose name it repeats.
    std::vector<std::size_t> earlierEntries;
    // What else is concerned: the parameter name, the chain, the undefined mapkeys, the
    // chain's typed steps, the config.pro files read with what they set the option to, or
    // those that could not be read, each with its reason.
    std::vector<std::string> names;
    // Where the kind has them, one for each of `entries`: what the user reads after the entry.
    std::vector<std::string> notes = {};
};

// One finding for each kind found, in the order of the kinds; empty when nothing is found.
using Findings = std::vector<Finding>;

// Both sets of findings, in the order of the kinds.
Findings joined(Findings first, Findings second);

// The German heading of a kind, as the dialog and the command line show it.
std::string headingOf(FindingKind kind);

// The names the chain runs that none of the known config.pro files define, each once, in
// the chain's order; none when no file could be read (known.looked is false).
std::vector<std::string> undefinedMapkeys(std::string_view chain, const KnownMapkeys& known);

// The check of `entries` built with `inputs`; `known` serves the chain only, `deletionOption`
// (what the config.pro files set CheckRules::parameterDeletionNeeds's option to) the
// deletion only.
Findings checkBuild(const TextList& entries, const BuildInputs& inputs, const KnownMapkeys& known,
                    const OptionSettings& deletionOption = {});

// The check of the job's pending text. For a chain and for the deletion it reads the
// config.pro files that the CAD system reads at start (startConfigPaths).
Findings checkPendingBuild(const TextList& entries, const BuildInputs& inputs,
                           const std::string& outputDirectory, const std::string& programDirectory);

// The first `limit` things a finding concerns, as the user reads them: the entries by
// their text, then the names; views into `entries` and the finding (an entry may be
// megabytes long, and only its start is shown).
std::vector<std::string_view> shownItems(const Finding& finding, const TextList& entries,
                                         std::size_t limit);

// How many things the finding concerns.
std::size_t itemCount(const Finding& finding);

// The finding as the user reads it: its heading, the first texts::kFindingItemsShown
// things it concerns (an entry with the name save-as saves it under, or with the earlier
// entry it repeats, where its kind says so), and how many more.
std::string describedFinding(const Finding& finding, const TextList& entries);

// The selected rows of the work list whose confirmed entry a finding concerns: unmarked,
// the next confirm leaves them out.
std::vector<std::size_t> rowsConcerned(const WorkList& list, const TextList& entries,
                                       const Findings& findings);

}  // namespace stapelwerk::workflow
