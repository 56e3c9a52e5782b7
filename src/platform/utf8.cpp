#include "platform/utf8.h"

#include <algorithm>

#include "platform/case_fold.h"

namespace stapelwerk::utf8 {

std::optional<char32_t> nextOfSeveralBytes(std::string_view text, std::size_t& offset) {
    if (offset >= text.size()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[offset]);
    std::size_t extra = 0;
    char32_t codePoint = 0;
    if (lead < 0x80) {
        codePoint = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        codePoint = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (offset + extra >= text.size()) return std::nullopt;
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto byte = static_cast<unsigned char>(text[offset + i]);
        if ((byte & 0xC0) != 0x80) return std::nullopt;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool overlong = (extra == 2 && codePoint < 0x800) || (extra == 3 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (overlong || surrogate || codePoint > 0x10FFFF) return std::nullopt;
    offset += extra + 1;
    return codePoint;
}

std::size_t encodedLength(char32_t codePoint) {
    if (codePoint < 0x80) return 1;
    if (codePoint < 0x800) return 2;
    return codePoint < 0x10000 ? 3 : 4;
}

void append(std::string& text, char32_t codePoint) {
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

namespace {
// Nearly every name is plain ASCII: a byte a character, which needs no decoding.
bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The byte offset just past the first `count` characters.
std::size_t skipCharacters(std::string_view text, std::size_t count) {
    std::size_t offset = 0;
    for (; count > 0 && offset < text.size(); --count) {
        if (!next(text, offset)) ++offset;
    }
    return offset;
}
}  // namespace

bool isValid(std::string_view text) {
    for (std::size_t offset = 0; offset < text.size();) {
        if (static_cast<unsigned char>(text[offset]) < 0x80) {
            ++offset;
        } else if (!next(text, offset)) {
            return false;
        }
    }
    return true;
}

std::size_t length(std::string_view text) {
    if (isAscii(text)) return text.size();
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size(); ++count) {
        if (!next(text, offset)) ++offset;
    }
    return count;
}

std::string_view dropLast(std::string_view text, std::size_t count) {
    if (isAscii(text)) return text.substr(0, text.size() - std::min(count, text.size()));
    const std::size_t total = length(text);
    if (count >= total) return {};
    return text.substr(0, skipCharacters(text, total - count));
}

std::string toUpper(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t offset = 0;
    while (offset < text.size()) {
        const std::size_t start = offset;
        if (const std::optional<char32_t> c = next(text, offset)) {
            append(result, capitalOf(*c));
        } else {
            result += text[start];
            ++offset;
        }
    }
    return result;
}

}  // namespace stapelwerk::utf8
