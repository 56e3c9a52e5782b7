#include "workflow/write_check.h"

#include <algorithm>
#include <unordered_set>

#include "core/check_rules.h"
#include "core/function_table.h"
#include "core/texts.h"
#include "generate/doit_builder.h"
#include "generate/mapkey_chain.h"
#include "platform/case_fold.h"
#include "platform/utf8.h"
#include "worklist/confirm.h"

namespace stapelwerk::workflow {

namespace {
struct NameFaults {
    bool tooLong = false;
    bool characters = false;
    bool start = false;
    bool notAscii = false;  // letters outside ASCII
};

// A letter of Windows-1252, the characters a name in doit.pro can hold: one with a capital
// or small form, and ß.
bool isLetter(char32_t c) { return c == U'ß' || capitalOf(c) != c || smallOf(c) != c; }
bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

NameFaults faultsOf(std::string_view name, const NameRules& rules) {
    NameFaults faults;
    std::size_t length = 0;
    for (std::size_t offset = 0; offset < name.size(); ++length) {
        const std::optional<char32_t> c = utf8::next(name, offset);
        if (!c) {
            faults.characters = true;
            ++offset;
            continue;
        }
        const bool mark =
            *c < 0x80 && rules.marks.find(static_cast<char>(*c)) != std::string_view::npos;
        if (!isLetter(*c) && !isDigit(*c) && !mark) faults.characters = true;
        if (*c >= 0x80 && isLetter(*c)) faults.notAscii = true;
        if (length == 0) {
            faults.start =
                (rules.beginsWithLetter && !isLetter(*c)) ||
                (mark && rules.notFirst.find(static_cast<char>(*c)) != std::string_view::npos);
        }
    }
    faults.tooLong = length > rules.maxLength;
    return faults;
}

// The findings of one check, gathered by kind and put out in the order of the kinds.
class Gathered {
public:
    void addEntry(FindingKind kind, std::size_t entry) { at(kind).entries.push_back(entry); }
    void addRepeat(FindingKind kind, std::size_t entry, std::size_t earlier) {
        addEntry(kind, entry);
        at(kind).earlierEntries.push_back(earlier);
    }
    void addName(FindingKind kind, std::string name) { at(kind).names.push_back(std::move(name)); }

    void addNameFaults(const NameFaults& faults, std::string_view name,
                       const FindingKind (&kinds)[3]) {
        const bool found[] = {faults.tooLong, faults.characters, faults.start};
        for (std::size_t i = 0; i < 3; ++i) {
            if (found[i]) addName(kinds[i], std::string(name));
        }
    }

    Findings take() {
        Findings findings;
        for (Finding& finding : byKind_) {
            if (!finding.entries.empty() || !finding.names.empty()) {
                findings.push_back(std::move(finding));
            }
        }
        return findings;
    }

private:
    static constexpr std::size_t kKinds = static_cast<std::size_t>(FindingKind::locateStopped) + 1;

    Finding& at(FindingKind kind) {
        Finding& finding = byKind_[static_cast<std::size_t>(kind)];
        finding.kind = kind;
        return finding;
    }

    Finding byKind_[kKinds] = {};
};

bool isModelType(std::string_view type) {
    const auto small = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::any_of(kCheckRules.modelTypes, [&](std::string_view known) {
        return std::ranges::equal(type, known, {}, small, small);
    });
}

// `typeMatters`: the function opens each entry's file, whose type the entry names.
void checkModelNames(const TextList& entries, bool typeMatters, Gathered& gathered) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // A confirmed entry holds at most the dot of its type extension.
        const std::string_view entry = entries[i];
        const std::size_t dot = entry.find('.');
        const NameFaults faults = faultsOf(entry.substr(0, dot), kCheckRules.modelName);
        if (faults.tooLong) gathered.addEntry(FindingKind::modelNameTooLong, i);
        if (faults.characters) gathered.addEntry(FindingKind::modelNameCharacters, i);
        if (faults.start) gathered.addEntry(FindingKind::modelNameStart, i);
        if (faults.notAscii) gathered.addEntry(FindingKind::modelNameNotAscii, i);
        const bool typed = dot != std::string_view::npos && dot + 1 < entry.size();
        if (kCheckRules.modelNeedsExtension && !typed) {
            gathered.addEntry(FindingKind::noTypeExtension, i);
        } else if (typeMatters && typed && !isModelType(entry.substr(dot + 1))) {
            gathered.addEntry(FindingKind::unknownModelType, i);
        }
    }
}

// Save-as cuts four characters from every entry, which leaves the model's name only where
// they are a dot and a model type.
void checkSaveAsNames(const TextList& entries, Gathered& gathered) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view cut = entries[i].substr(saveAsName(entries[i]).size());
        if (cut.size() != 4 || cut[0] != '.' || !isModelType(cut.substr(1))) {
            gathered.addEntry(FindingKind::saveAsNameCut, i);
        }
    }
}

// Each entry whose name (`nameOf`) is, regardless of letter case, that of an earlier one,
// with the first of those. The entries are sorted by a hash of their folded name rather
// than kept in a set of folded names: a million entries must not hold their names twice.
template <typename NameOf>
void checkRepeats(const TextList& entries, FindingKind kind, NameOf nameOf, Gathered& gathered) {
    const auto folded = [&](std::size_t entry) { return foldedCaseUtf8(nameOf(entries[entry])); };
    std::vector<std::pair<std::size_t, std::size_t>> hashed;  // hash, entry
    hashed.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        hashed.emplace_back(std::hash<std::string>{}(folded(i)), i);
    }
    std::ranges::sort(hashed);
    std::vector<std::pair<std::size_t, std::size_t>> repeats;  // entry, earlier
    for (std::size_t first = 0, end = 0; first < hashed.size(); first = end) {
        end = first + 1;
        while (end < hashed.size() && hashed[end].first == hashed[first].first) ++end;
        for (std::size_t later = first + 1; later < end; ++later) {
            const std::string name = folded(hashed[later].second);
            for (std::size_t earlier = first; earlier < later; ++earlier) {
                if (folded(hashed[earlier].second) == name) {
                    repeats.emplace_back(hashed[later].second, hashed[earlier].second);
                    break;
                }
            }
        }
    }
    std::ranges::sort(repeats);
    for (const auto& [entry, earlier] : repeats) gathered.addRepeat(kind, entry, earlier);
}

// The name, and the values that come with it.
void checkParameter(const BuildInputs& inputs, Gathered& gathered) {
    gathered.addNameFaults(faultsOf(inputs.parameterName, kCheckRules.parameterName),
                           inputs.parameterName,
                           {FindingKind::parameterNameTooLong, FindingKind::parameterNameCharacters,
                            FindingKind::parameterNameStart});
    for (std::size_t i = 0; i < inputs.values.size(); ++i) {
        if (utf8::length(inputs.values[i]) > kCheckRules.maxValueLength) {
            gathered.addEntry(FindingKind::valueTooLong, i);
        }
    }
}

void checkChain(std::string_view chain, const KnownMapkeys& known, Gathered& gathered) {
    if (chain.find_first_of(kCheckRules.chainQuotes) != std::string_view::npos) {
        gathered.addName(FindingKind::chainQuotes, std::string(chain));
    }
    std::unordered_set<std::string> said;
    for (std::string& step : typedStepsOfChain(chain)) {
        if (said.insert(step).second)
            gathered.addName(FindingKind::chainStepTyped, std::move(step));
    }
    if (!known.looked) {
        for (const UnreadConfig& config : known.unread) {
            gathered.addName(FindingKind::mapkeysNotLooked,
                             texts::pathWithReason(config.path, config.reason));
        }
        return;
    }
    for (std::string& name : undefinedMapkeys(chain, known)) {
        gathered.addName(FindingKind::mapkeyUndefined, std::move(name));
    }
}

// Whether the last of the config.pro files read sets the option as `needed`; where none could
// be read, that it could not be looked at, as for the chain.
void checkOption(const OptionSettings& settings, const ConfigSetting& needed, Gathered& gathered) {
    if (settings.read.empty()) {
        for (const UnreadConfig& config : settings.unread) {
            gathered.addName(FindingKind::optionNotLooked,
                             texts::pathWithReason(config.path, config.reason));
        }
        return;
    }
    const std::optional<std::string> value = effectiveValue(settings);
    if (value && isWord(*value, needed.value)) return;
    for (const OptionInFile& file : settings.read) {
        gathered.addName(FindingKind::optionNotSet,
                         file.value ? texts::optionInFile(file.path, needed.option, *file.value)
                                    : texts::optionNotInFile(file.path, needed.option));
    }
}
}  // namespace

std::vector<std::string> undefinedMapkeys(std::string_view chain, const KnownMapkeys& known) {
    std::vector<std::string> undefined;
    if (!known.looked) return undefined;
    std::unordered_set<std::string> defined;
    for (const DefinedMapkey& mapkey : known.mapkeys) defined.insert(mapkey.name);
    std::unordered_set<std::string> said;
    for (std::string& name : mapkeyNamesOfChain(chain)) {
        if (!defined.contains(name) && said.insert(name).second) {
            undefined.push_back(std::move(name));
        }
    }
    return undefined;
}

std::string headingOf(FindingKind kind) {
    const CheckRules& rules = kCheckRules;
    switch (kind) {
        case FindingKind::modelNameTooLong:
            return texts::findingModelNameTooLong(rules.modelName.maxLength);
        case FindingKind::modelNameCharacters:
            return texts::findingModelNameCharacters(rules.modelName.marks);
        case FindingKind::modelNameStart:
            return texts::findingModelNameStart(rules.modelName.notFirst);
        case FindingKind::noTypeExtension:
            return std::string(texts::kFindingNoTypeExtension);
        case FindingKind::parameterNameTooLong:
            return texts::findingParameterNameTooLong(rules.parameterName.maxLength);
        case FindingKind::parameterNameCharacters:
            return texts::findingParameterNameCharacters(rules.parameterName.marks);
        case FindingKind::parameterNameStart:
            return std::string(texts::kFindingParameterNameStart);
        case FindingKind::valueTooLong:
            return texts::findingValueTooLong(rules.maxValueLength);
        case FindingKind::chainQuotes:
            return texts::findingChainQuotes(rules.chainQuotes);
        case FindingKind::mapkeyUndefined:
            return std::string(texts::kFindingMapkeyUndefined);
        case FindingKind::mapkeysNotLooked:
            return std::string(texts::kFindingMapkeysNotLooked);
        case FindingKind::unknownModelType:
            return texts::findingUnknownModelType(rules.modelTypes);
        case FindingKind::modelNameNotAscii:
            return std::string(texts::kFindingModelNameNotAscii);
        case FindingKind::saveAsNameCut:
            return std::string(texts::kFindingSaveAsNameCut);
        case FindingKind::savedTwice:
            return std::string(texts::kFindingSavedTwice);
        case FindingKind::openedTwice:
            return std::string(texts::kFindingOpenedTwice);
        case FindingKind::chainStepTyped:
            return std::string(texts::kFindingChainStepTyped);
        case FindingKind::optionNotSet:
            return texts::findingOptionNotSet(rules.parameterDeletionNeeds.option,
                                              rules.parameterDeletionNeeds.value);
        case FindingKind::optionNotLooked:
            return texts::findingOptionNotLooked(rules.parameterDeletionNeeds.option,
                                                 rules.parameterDeletionNeeds.value);
        case FindingKind::noEntryFound:
            return std::string(texts::kFindingNoEntryFound);
        case FindingKind::entryNotFound:
            return std::string(texts::kFindingEntryNotFound);
        case FindingKind::foundInSeveralPlaces:
            return std::string(texts::kFindingFoundInSeveralPlaces);
        case FindingKind::otherVersionOpened:
            return std::string(texts::kFindingOtherVersionOpened);
        case FindingKind::otherDirectoryOpened:
            return std::string(texts::kFindingOtherDirectoryOpened);
        case FindingKind::writeProtected:
            return std::string(texts::kFindingWriteProtected);
        case FindingKind::placesNotRead:
            return std::string(texts::kFindingPlacesNotRead);
        case FindingKind::locateStopped:
            return std::string(texts::kFindingLocateStopped);
    }
    return {};
}

Findings checkBuild(const TextList& entries, const BuildInputs& inputs, const KnownMapkeys& known,
                    const OptionSettings& deletionOption) {
    Gathered gathered;
    const FunctionRow& row = rowOf(inputs.function);
    checkModelNames(entries, row.opensFiles, gathered);
    if (row.opensFiles) {
        checkRepeats(entries, FindingKind::openedTwice, std::identity{}, gathered);
    } else {
        checkSaveAsNames(entries, gathered);
        checkRepeats(
            entries, FindingKind::savedTwice,
            [](std::string_view entry) { return saveAsName(entry); }, gathered);
    }
    const FunctionNeeds& needs = row.needs;
    if (needs.chain) checkChain(inputs.chain, known, gathered);
    if (needs.parameterName) checkParameter(inputs, gathered);
    if (inputs.function == DoitFunction::parameterDeletion) {
        checkOption(deletionOption, kCheckRules.parameterDeletionNeeds, gathered);
    }
    return gathered.take();
}

Findings checkPendingBuild(const TextList& entries, const BuildInputs& inputs,
                           const std::string& outputDirectory,
                           const std::string& programDirectory) {
    KnownMapkeys known;
    if (rowOf(inputs.function).needs.chain) {
        known = readKnownMapkeys(startConfigPaths(outputDirectory, programDirectory));
    }
    OptionSettings deletionOption;
    if (inputs.function == DoitFunction::parameterDeletion) {
        deletionOption = readOptionSettings(startConfigPaths(outputDirectory, programDirectory),
                                            kCheckRules.parameterDeletionNeeds.option);
    }
    return checkBuild(entries, inputs, known, deletionOption);
}

std::size_t itemCount(const Finding& finding) {
    return finding.entries.size() + finding.names.size();
}

std::vector<std::string_view> shownItems(const Finding& finding, const TextList& entries,
                                         std::size_t limit) {
    std::vector<std::string_view> items;
    for (std::size_t i = 0; i < finding.entries.size() && items.size() < limit; ++i) {
        items.push_back(entries[finding.entries[i]]);
    }
    for (std::size_t i = 0; i < finding.names.size() && items.size() < limit; ++i) {
        items.push_back(finding.names[i]);
    }
    return items;
}

namespace {
// Kinds whose names are sentences already (a file with its reason or its setting), which
// quoting again would garble.
bool namesAreWorded(FindingKind kind) {
    return kind == FindingKind::mapkeysNotLooked || kind == FindingKind::optionNotSet ||
           kind == FindingKind::optionNotLooked || kind == FindingKind::placesNotRead;
}
}  // namespace

std::string describedFinding(const Finding& finding, const TextList& entries) {
    if (namesAreWorded(finding.kind)) {
        const std::size_t shown = std::min(finding.names.size(), texts::kFindingItemsShown);
        const std::vector<std::string> lines(
            finding.names.begin(), finding.names.begin() + static_cast<std::ptrdiff_t>(shown));
        return texts::findingLines(headingOf(finding.kind), lines, itemCount(finding));
    }
    const bool saysSaved = finding.kind == FindingKind::saveAsNameCut;
    if (!saysSaved && finding.earlierEntries.empty()) {
        const std::vector<std::string_view> notes(
            finding.notes.begin(),
            finding.notes.begin() + static_cast<std::ptrdiff_t>(
                                        std::min(finding.notes.size(), texts::kFindingItemsShown)));
        return texts::findingText(headingOf(finding.kind),
                                  shownItems(finding, entries, texts::kFindingItemsShown),
                                  itemCount(finding), notes);
    }
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < finding.entries.size() && i < texts::kFindingItemsShown; ++i) {
        const std::string_view entry = entries[finding.entries[i]];
        lines.push_back(saysSaved
                            ? texts::findingEntrySavedAs(entry, saveAsName(entry))
                            : texts::findingEntryLike(entry, entries[finding.earlierEntries[i]]));
    }
    return texts::findingLines(headingOf(finding.kind), lines, itemCount(finding));
}

Findings joined(Findings first, Findings second) {
    first.insert(first.end(), std::make_move_iterator(second.begin()),
                 std::make_move_iterator(second.end()));
    std::stable_sort(first.begin(), first.end(),
                     [](const Finding& a, const Finding& b) { return a.kind < b.kind; });
    return first;
}

std::vector<std::size_t> rowsConcerned(const WorkList& list, const TextList& entries,
                                       const Findings& findings) {
    std::unordered_set<std::string_view> concerned;
    for (const Finding& finding : findings) {
        for (const std::size_t entry : finding.entries) concerned.insert(entries[entry]);
    }
    std::vector<std::size_t> rows;
    if (concerned.empty()) return rows;
    const WorkEntries& rowsOfList = list.entries();
    for (std::size_t row = 0; row < rowsOfList.size(); ++row) {
        if (rowsOfList[row].selected && concerned.contains(reducedEntry(rowsOfList[row].text))) {
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace stapelwerk::workflow
