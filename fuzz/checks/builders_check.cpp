#include <algorithm>
#include <map>
#include <optional>

#include "fuzz_checks.h"
#include "generate/doit_builder.h"
#include "generate/mapkey_chain.h"
#include "generate/templates.h"
#include "params/parameter_tails.h"
#include "platform/cp1252.h"

namespace stapelwerk::fuzz {

namespace {
enum class Kind { chain, deletion, saveAs, assignment };

// What doit.pro can hold: a line of Windows-1252 text without a backtick and without a
// TAB, which a list brings as the start of another column.
bool fits(std::string_view text) {
    return text.find_first_of("`\t") == std::string_view::npos && cp1252::isLineText(text);
}

// An entry, a parameter's name or a value stands inside one step, which a ';' would end.
bool fitsStep(std::string_view text) { return fits(text) && text.find(';') == text.npos; }

// The deletion and the assignment want a parameter name; the chain may hold a ';'.
bool fitsTail(Kind kind, std::string_view name) {
    if (kind == Kind::chain) return fits(name);
    return !name.empty() && fitsStep(name);
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

// A save-as entry (valid UTF-8 of more than four characters) less its last four characters.
std::string_view saveAsName(std::string_view entry) {
    std::size_t end = entry.size();
    for (int dropped = 0; dropped < 4;)
        dropped += (static_cast<unsigned char>(entry[--end]) & 0xC0) != 0x80;
    return entry.substr(0, end);
}

std::size_t occurrences(std::string_view text, std::string_view word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + word.size())) {
        ++count;
    }
    return count;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// A refusal has no text and quotes one of the inputs that do not fit; a long one by its
// beginning, which holds at least its first 200 bytes. An empty input is named by saying
// that it is empty.
std::string checkOutcome(const BuiltText& built, bool fitting,
                         const std::vector<std::string_view>& unfitting) {
    if (built.ok() != fitting)
        return fitting ? "a fitting input was refused" : "an input was accepted that does not fit";
    if (built.ok()) return {};
    constexpr std::size_t kNamedBytes = 200;
    for (const std::string_view text : unfitting) {
        if (text.empty() && contains(built.message(), "ist leer")) return {};
        const std::string named = text.size() <= kNamedBytes
                                      ? "\"" + std::string(text) + "\""
                                      : "\"" + std::string(text.substr(0, kNamedBytes));
        if (contains(built.message(), named)) return {};
    }
    return "the refusal names none of the inputs that do not fit";
}

// Stand-ins for the user's texts: a sign that none of the texts and none of the templates
// holds, around a tag. Built with stand-ins, a text must hold no placeholder
// that the function fills; with the real texts it must be that text with every stand-in
// replaced by its real text, which is how a placeholder's word inside a user's text is told
// from one the function left unfilled.
class StandIns {
public:
    explicit StandIns(const std::vector<std::string_view>& texts) {
        for (const char c : std::string_view("|^$&{}[]<>?*+=\"'")) {
            bool unused = true;
            for (const std::string_view text : texts) unused = unused && text.find(c) == text.npos;
            for (const std::string_view text :
                 {templates::txt_kopf, templates::txt_open, templates::txt_end,
                  templates::txt_SaveAs, templates::txt_ParamNeu, templates::txt_ploesch,
                  templates::txt_mapkeyneu}) {
                unused = unused && text.find(c) == text.npos;
            }
            if (unused) {
                delimiter_ = c;
                return;
            }
        }
    }

    bool available() const { return delimiter_ != 0; }

    std::string add(const std::string& tag, std::string_view real) {
        realOf_[tag] = real;
        return delimiter_ + tag + delimiter_;
    }

    // `text` with every stand-in replaced by its real text; nothing when a stand-in is broken.
    std::optional<std::string> replaced(std::string_view text) const {
        std::string result;
        for (std::size_t i = 0; i < text.size();) {
            if (text[i] != delimiter_) {
                result += text[i++];
                continue;
            }
            const std::size_t end = text.find(delimiter_, i + 1);
            if (end == std::string_view::npos) return std::nullopt;
            const auto real = realOf_.find(std::string(text.substr(i + 1, end - i - 1)));
            if (real == realOf_.end()) return std::nullopt;
            result += real->second;
            i = end + 1;
        }
        return result;
    }

private:
    char delimiter_ = 0;
    std::map<std::string, std::string_view> realOf_;
};

std::string checkLineStructure(std::string_view text) {
    if (!cp1252::canEncode(text)) return "an accepted text cannot be written in Windows-1252";
    if (text.find('\t') != std::string_view::npos) return "a TAB reached doit.pro";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return "a bare CR";
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return "a bare LF";
    }
    if (!text.ends_with("\r\n")) return "the text does not end its last line";
    return {};
}

BuiltText tailFor(Kind kind, std::string_view text) {
    switch (kind) {
        case Kind::chain:
            return mapkeyChainTail(text);
        case Kind::deletion:
            return deletionTail(text);
        case Kind::assignment:
            return assignmentTail(text);
        case Kind::saveAs:
            break;
    }
    return std::string();
}

// The text built with the journal's steps is the one built without them, a step at its
// start, one after each entry and one at its end.
std::string checkJournalSteps(const BuiltText& withJournal, std::string_view without,
                              std::size_t entries) {
    if (!withJournal.ok()) return "the journal's steps refused a text";
    constexpr std::string_view kStep = "mapkey(continued) @SYSTEM>>doit.journal echo FUZZ1 ";
    std::vector<std::string> marks;
    std::string rest;
    for (std::string_view text = *withJournal; !text.empty();) {
        const std::size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end == text.npos ? text.size() : end + 2);
        if (line.starts_with(kStep)) {
            marks.emplace_back(line.substr(kStep.size(), line.size() - kStep.size() - 4));
        } else {
            rest.append(line);
        }
        text.remove_prefix(line.size());
    }
    if (rest != without) return "the journal's steps changed the text around them";
    if (marks.size() != entries + 2 || marks.front() != "start" || marks.back() != "ende") {
        return "the journal's steps do not frame the run";
    }
    for (std::size_t i = 1; i <= entries; ++i) {
        if (marks[i] != std::to_string(i)) return "an entry's journal step is missing";
    }
    return {};
}

std::string_view placeholderOf(Kind kind) {
    switch (kind) {
        case Kind::chain:
            return templates::kMapkeyChain;
        case Kind::deletion:
            return templates::kDeletedParameter;
        case Kind::assignment:
            return templates::kParameterName;
        case Kind::saveAs:
            break;
    }
    return templates::kSaveAsName;
}
}  // namespace

// The input: a byte that chooses the function, then up to three sections separated by
// 0xFF (which no UTF-8 text holds): the mapkey chain or parameter name, the entries and the
// values, the last two cut into items at NUL.
std::string checkBuilders(std::string_view input) {
    if (input.empty()) return {};
    const auto kind = static_cast<Kind>(static_cast<unsigned char>(input[0]) % 4);
    const std::vector<std::string_view> sections = fields(input.substr(1), '\xFF');
    const std::string_view name = sections[0];
    const std::vector<std::string_view> entryViews =
        sections.size() > 1 ? fields(sections[1], '\0') : std::vector<std::string_view>{};
    const std::vector<std::string_view> valueViews =
        sections.size() > 2 ? fields(sections[2], '\0') : std::vector<std::string_view>{};
    const std::vector<std::string> entries(entryViews.begin(), entryViews.end());
    const std::vector<std::string> values(valueViews.begin(), valueViews.end());

    std::string tail;
    if (kind != Kind::saveAs) {
        const BuiltText built = tailFor(kind, name);
        if (std::string failure = checkOutcome(built, fitsTail(kind, name), {name});
            !failure.empty()) {
            return "tail: " + failure;
        }
        if (!built.ok()) return {};
        tail = built.value();
    }

    std::vector<std::string_view> unfitting;
    for (const std::string_view entry : entryViews) {
        const bool tooShort = kind == Kind::saveAs && characterCount(entry) <= 4;
        if (!fitsStep(entry) || tooShort) unfitting.push_back(entry);
    }
    for (std::size_t i = 0; kind == Kind::assignment && i < values.size() && i < entries.size();
         ++i) {
        if (!fitsStep(values[i])) unfitting.push_back(values[i]);
    }
    const BuiltText built = kind == Kind::saveAs ? buildSaveAs(entries)
                            : kind == Kind::assignment
                                ? buildParameterAssignment(entries, tail, values)
                                : buildOpenAndApply(entries, tail);
    if (std::string failure = checkOutcome(built, unfitting.empty(), unfitting); !failure.empty()) {
        return failure;
    }
    if (!built.ok()) return {};
    if (std::string failure = checkLineStructure(built.value()); !failure.empty()) return failure;
    const JournalSteps journal("FUZZ1");
    const BuiltText withJournal = kind == Kind::saveAs ? buildSaveAs(entries, journal)
                                  : kind == Kind::assignment
                                      ? buildParameterAssignment(entries, tail, values, journal)
                                      : buildOpenAndApply(entries, tail, journal);
    if (std::string failure = checkJournalSteps(withJournal, *built, entries.size());
        !failure.empty()) {
        return failure;
    }

    std::vector<std::string_view> texts = entryViews;
    texts.insert(texts.end(), valueViews.begin(), valueViews.end());
    texts.push_back(name);
    StandIns standIns(texts);
    if (!standIns.available()) return {};
    std::vector<std::string> entryStandIns;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string tag = "e" + std::to_string(i);
        entryStandIns.push_back(kind == Kind::saveAs
                                    ? standIns.add(tag, saveAsName(entries[i])) + ".drw"
                                    : standIns.add(tag, entries[i]));
    }
    // The assignment fills the value into every placeholder word of the tail, also into those
    // of a name that holds the word, so such a name takes part as it is.
    const bool nameAsItIs = kind == Kind::assignment && contains(name, templates::kParameterName);
    // A chain in the CAD system's form, "%pdf;%cls;", goes into its step without the "%" and
    // the ";" that the step has itself.
    const std::size_t cadFirst = kind == Kind::chain && name.starts_with('%') ? 1 : 0;
    const std::size_t cadLast = kind == Kind::chain && name.ends_with(';') ? 1 : 0;
    const std::string nameStandIn =
        nameAsItIs ? std::string(name)
                   : standIns.add("n", name.substr(cadFirst, name.size() - cadFirst - cadLast));
    // A part without a value gets the empty value, which has a stand-in of its own: an empty
    // value put into a name that holds the word can join the name's pieces into the word
    // again, which is then the user's text and no placeholder left.
    std::vector<std::string> valueStandIns;
    for (std::size_t i = 0; i < std::max(values.size(), entries.size()); ++i) {
        valueStandIns.push_back(
            standIns.add("v" + std::to_string(i),
                         i < values.size() ? std::string_view(values[i]) : std::string_view()));
    }
    const BuiltText withStandIns =
        kind == Kind::saveAs ? buildSaveAs(entryStandIns)
        : kind == Kind::assignment
            ? buildParameterAssignment(entryStandIns, tailFor(kind, nameStandIn).value(),
                                       valueStandIns)
            : buildOpenAndApply(entryStandIns, tailFor(kind, nameStandIn).value());
    if (!withStandIns.ok()) return "refused the stand-ins";
    // Only the first four placeholder words of an assignment tail receive the value.
    const bool placeholderMayStay = nameAsItIs && occurrences(name, templates::kParameterName) >= 4;
    if (contains(withStandIns.value(), placeholderOf(kind)) && !placeholderMayStay) {
        return "a placeholder was left unfilled";
    }
    if (standIns.replaced(withStandIns.value()) != built.value()) {
        return "the text is not the one built with stand-ins, the user's texts put in their place";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
