#include "generate/doit_builder.h"

#include <cstdint>
#include <optional>

#include "core/texts.h"
#include "generate/templates.h"
#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace stapelwerk {

namespace {
constexpr std::size_t kExtensionLength = 4;
constexpr std::size_t kValuesPerBlock = 4;
constexpr std::string_view kAssignmentHeading = "new_parameter_ui no\r\n";

Result<> checkEntries(const TextList& entries) {
    for (const std::string_view entry : entries) {
        if (Result<> checked = checkEntry(entry); !checked) return checked;
    }
    return {};
}

// A backtick ends a quoted value and a line break ends the mapkey line.
bool breaksMapkey(std::string_view text) {
    return text.find_first_of("`\r\n") != std::string_view::npos;
}

// A TAB is no part of a file name or a value: where a list's line brings one, it began
// another column. In a file name or a value, which stand inside a step, a ';' would end it.
std::optional<std::string> separatorIn(std::string_view subject, std::string_view text,
                                       bool insideStep) {
    if (text.find('\t') != std::string_view::npos) return texts::messageTab(subject, text);
    if (insideStep && text.find(';') != std::string_view::npos) {
        return texts::messageSemicolon(subject, text);
    }
    return std::nullopt;
}

// The text of a doit.pro is assembled in one string of the size it will have: a list
// of a million entries makes half a gigabyte, which must not be copied on the way.
// `heading` comes before the mapkey, `blockSize` tells the length of each entry's
// block and `appendBlock` appends it; the journal's steps frame the blocks and follow each.
template <typename BlockSize, typename AppendBlock>
std::string framed(std::string_view heading, const TextList& entries, const JournalSteps& journal,
                   BlockSize blockSize, AppendBlock appendBlock) {
    std::size_t size = heading.size() + templates::txt_kopf.size() + journal.frameSize() +
                       templates::txt_end.size();
    for (std::size_t i = 0; i < entries.size(); ++i)
        size += blockSize(i) + journal.entrySize(i + 1);
    std::string text;
    text.reserve(size);
    text.append(heading).append(templates::txt_kopf);
    journal.appendStart(text);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        appendBlock(text, i);
        journal.appendEntry(text, i + 1);
    }
    journal.appendEnd(text);
    text.append(templates::txt_end);
    return text;
}

// `text` cut at every occurrence of `placeholder`, or at the first `limit` of them.
std::vector<std::string_view> piecesAround(std::string_view text, std::string_view placeholder,
                                           std::size_t limit = std::string_view::npos) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t found = text.find(placeholder); found != std::string_view::npos && limit > 0;
         found = text.find(placeholder, start), --limit) {
        pieces.push_back(text.substr(start, found - start));
        start = found + placeholder.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}
}  // namespace

Result<> checkEntry(std::string_view entry) {
    if (breaksMapkey(entry)) return refusal(texts::messageEntryUnreadable(entry));
    if (auto refused = separatorIn(texts::kSubjectEntry, entry, true)) return refusal(*refused);
    if (!cp1252::isLineText(entry)) return refusal(texts::messageEntryNotEncodable(entry));
    return {};
}

namespace {
Result<> checkMapkeyText(std::string_view subject, std::string_view text, bool insideStep) {
    if (breaksMapkey(text)) return refusal(texts::messageUnreadable(subject, text));
    if (auto refused = separatorIn(subject, text, insideStep)) return refusal(*refused);
    if (!cp1252::isLineText(text)) return refusal(texts::messageNotEncodable(subject, text));
    return {};
}
}  // namespace

Result<> checkText(std::string_view subject, std::string_view text) {
    return checkMapkeyText(subject, text, false);
}

Result<> checkStepText(std::string_view subject, std::string_view text) {
    return checkMapkeyText(subject, text, true);
}

BuiltText buildOpenAndApply(const TextList& entries, std::string_view tail,
                            const JournalSteps& journal) {
    if (Result<> checked = checkEntries(entries); !checked) return checked.failure();
    const std::string_view open = templates::openBlock();
    return framed(
        {}, entries, journal,
        [&](std::size_t i) { return open.size() + entries[i].size() + tail.size(); },
        [&](std::string& text, std::size_t i) {
            text.append(open).append(entries[i]).append(tail);
        });
}

BuiltText buildSaveAs(const TextList& entries, const JournalSteps& journal) {
    if (Result<> checked = checkEntries(entries); !checked) return checked.failure();
    // Each name's length only: a view a name would cost 16 bytes an entry beside the text.
    std::vector<std::uint32_t> nameSizes;
    nameSizes.reserve(entries.size());
    for (const std::string_view entry : entries) {
        if (utf8::length(entry) <= kExtensionLength) {
            return refusal(texts::messageSaveAsEntryTooShort(entry));
        }
        nameSizes.push_back(static_cast<std::uint32_t>(saveAsName(entry).size()));
    }
    const auto name = [&](std::size_t i) {
        return std::string_view(entries[i]).substr(0, nameSizes[i]);
    };
    const std::vector<std::string_view> pieces =
        piecesAround(templates::txt_SaveAs, templates::kSaveAsName);
    const std::size_t fixedSize =
        templates::txt_SaveAs.size() - (pieces.size() - 1) * templates::kSaveAsName.size();
    return framed(
        {}, entries, journal,
        [&](std::size_t i) { return fixedSize + (pieces.size() - 1) * nameSizes[i]; },
        [&](std::string& text, std::size_t i) {
            text.append(pieces.front());
            for (std::size_t p = 1; p < pieces.size(); ++p) text.append(name(i)).append(pieces[p]);
        });
}

std::string_view saveAsName(std::string_view entry) {
    return utf8::dropLast(entry, kExtensionLength);
}

BuiltText buildParameterAssignment(const TextList& entries, std::string_view tail,
                                   const std::vector<std::string>& values,
                                   const JournalSteps& journal) {
    if (Result<> checked = checkEntries(entries); !checked) return checked.failure();
    for (std::size_t i = 0; i < entries.size() && i < values.size(); ++i) {
        Result<> checked = checkStepText(texts::kSubjectParameterValue, values[i]);
        if (!checked) return checked.failure();
    }
    // One pass over the tail: a value that holds the placeholder's word is put in as it
    // stands, not searched again and filled into itself. The tail is cut at its first
    // placeholders once, so that each block goes straight into the text.
    const std::vector<std::string_view> pieces =
        piecesAround(tail, templates::kParameterName, kValuesPerBlock);
    const std::size_t fixedSize =
        tail.size() - (pieces.size() - 1) * templates::kParameterName.size();
    const auto valueOf = [&](std::size_t i) {
        return i < values.size() ? std::string_view(values[i]) : std::string_view();
    };
    const std::string_view open = templates::openBlock();
    return framed(
        kAssignmentHeading, entries, journal,
        [&](std::size_t i) {
            return open.size() + entries[i].size() + fixedSize +
                   (pieces.size() - 1) * valueOf(i).size();
        },
        [&](std::string& text, std::size_t i) {
            text.append(open).append(entries[i]).append(pieces.front());
            for (std::size_t p = 1; p < pieces.size(); ++p)
                text.append(valueOf(i)).append(pieces[p]);
        });
}

}  // namespace stapelwerk
