#include "generate/doit_builder.h"

#include "core/texts.h"
#include "generate/replace_first.h"
#include "generate/templates.h"
#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace stapelwerk {

namespace {
constexpr std::size_t kExtensionLength = 4;
constexpr int kValuesPerBlock = 4;

std::string refusalForEntries(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        std::string refusal = refusalForEntry(entry);
        if (!refusal.empty()) return refusal;
    }
    return {};
}

// A backtick ends a quoted value and a line break ends the mapkey line.
bool breaksMapkey(std::string_view text) {
    return text.find_first_of("`\r\n") != std::string_view::npos;
}

BuiltText framed(std::string blocks) {
    std::string text;
    text.reserve(templates::txt_kopf.size() + blocks.size() + templates::txt_end.size());
    text.append(templates::txt_kopf).append(blocks).append(templates::txt_end);
    return {std::move(text), {}};
}
}  // namespace

std::string refusalForEntry(std::string_view entry) {
    if (breaksMapkey(entry)) return texts::messageEntryUnreadable(entry);
    if (!cp1252::canEncode(entry)) return texts::messageEntryNotEncodable(entry);
    return {};
}

std::string refusalForText(std::string_view subject, std::string_view text) {
    if (breaksMapkey(text)) return texts::messageUnreadable(subject, text);
    if (!cp1252::canEncode(text)) return texts::messageNotEncodable(subject, text);
    return {};
}

BuiltText buildOpenAndApply(const std::vector<std::string>& entries, std::string_view tail) {
    if (std::string refusal = refusalForEntries(entries); !refusal.empty()) {
        return {{}, std::move(refusal)};
    }
    std::string blocks;
    for (const std::string& entry : entries) {
        blocks.append(templates::openBlock()).append(entry).append(tail);
    }
    return framed(std::move(blocks));
}

BuiltText buildSaveAs(const std::vector<std::string>& entries) {
    if (std::string refusal = refusalForEntries(entries); !refusal.empty()) {
        return {{}, std::move(refusal)};
    }
    std::string blocks;
    for (const std::string& entry : entries) {
        if (utf8::length(entry) <= kExtensionLength) {
            return {{}, texts::messageSaveAsEntryTooShort(entry)};
        }
        const std::string name = utf8::dropLast(entry, kExtensionLength);
        blocks.append(replaceAll(templates::txt_SaveAs, templates::kSaveAsName, name));
    }
    return framed(std::move(blocks));
}

BuiltText buildParameterAssignment(const std::vector<std::string>& entries, std::string_view tail,
                                   const std::vector<std::string>& values) {
    if (std::string refusal = refusalForEntries(entries); !refusal.empty()) {
        return {{}, std::move(refusal)};
    }
    for (std::size_t i = 0; i < entries.size() && i < values.size(); ++i) {
        std::string refusal = refusalForText(texts::kSubjectParameterValue, values[i]);
        if (!refusal.empty()) return {{}, std::move(refusal)};
    }
    std::string blocks;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view value = i < values.size() ? std::string_view(values[i]) : "";
        std::string block(tail);
        for (int n = 0; n < kValuesPerBlock; ++n) {
            block = replaceFirst(block, templates::kParameterName, value);
        }
        blocks.append(templates::openBlock()).append(entries[i]).append(block);
    }
    BuiltText built = framed(std::move(blocks));
    built.text.insert(0, "new_parameter_ui no\r\n");
    return built;
}

}  // namespace stapelwerk
