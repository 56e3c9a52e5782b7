#include "core/escaped_line.h"

#include <charconv>

#include "platform/utf8.h"

namespace stapelwerk {

namespace {
constexpr char kEscape = '%';

bool needsEscape(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == kEscape || (byte < 0x20 && c != '\t') || byte == 0x7F;
}
}  // namespace

void appendEscaped(std::string& line, std::string_view text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    for (const char c : text) {
        if (!needsEscape(c)) {
            line += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        line += kEscape;
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != kEscape) {
            result += text[i];
            continue;
        }
        unsigned byte = 0;
        const char* digits = text.data() + i + 1;
        if (i + 2 >= text.size() ||
            std::from_chars(digits, digits + 2, byte, 16).ptr != digits + 2) {
            return std::nullopt;
        }
        result += static_cast<char>(byte);
        i += 2;
    }
    if (!utf8::isValid(result)) return std::nullopt;
    return result;
}

}  // namespace stapelwerk
