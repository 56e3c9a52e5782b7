#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Entries are counted in characters, as the user sees them, not in bytes.
namespace stapelwerk::utf8 {

// next's way past a byte that is not ASCII.
std::optional<char32_t> nextOfSeveralBytes(std::string_view text, std::size_t& offset);

// The code point starting at `offset`, advancing `offset` past it; nothing for a
// malformed sequence (then `offset` is left unchanged). Inline for ASCII, which names mostly
// are: long lists go through here byte by byte.
inline std::optional<char32_t> next(std::string_view text, std::size_t& offset) {
    if (offset < text.size() && static_cast<unsigned char>(text[offset]) < 0x80) {
        return static_cast<unsigned char>(text[offset++]);
    }
    return nextOfSeveralBytes(text, offset);
}

void append(std::string& text, char32_t codePoint);

// How many bytes append adds for `codePoint`.
std::size_t encodedLength(char32_t codePoint);

// Whether the whole text is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValid(std::string_view text);

// Number of characters; a malformed byte counts as one.
std::size_t length(std::string_view text);

// The text without its last `count` characters (empty when it has no more), as a
// view into `text`.
std::string_view dropLast(std::string_view text, std::size_t count);

// The text in capital letters: every small letter that Windows-1252 holds
// (a-z, à-þ, š, œ, ž, ÿ) becomes its capital; ß and all other characters stay.
std::string toUpper(std::string_view text);

}  // namespace stapelwerk::utf8
