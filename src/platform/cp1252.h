#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every file of the program is Windows-1252 text; the core holds UTF-8.
namespace stapelwerk::cp1252 {

// Each byte becomes its character; the five bytes that Windows-1252 leaves
// undefined become the C1 control of the same value, as Windows maps them.
std::string decode(std::string_view bytes);

// The bytes of a UTF-8 text, or nothing when a character has no Windows-1252
// byte (or the text is not valid UTF-8).
std::optional<std::string> encode(std::string_view utf8);

// encode appending to `bytes`; false (with `bytes` holding a part) when a character
// cannot be encoded.
bool encodeInto(std::string_view utf8, std::string& bytes);

bool canEncode(std::string_view utf8);

// Whether a UTF-8 text can stand within a line of a text file: it can be encoded, and it
// holds no control character but the tab (no NUL, no line break, none of U+0080 to U+009F).
bool isLineText(std::string_view utf8);

// Whether every byte is below 0x80: such a text is the same in UTF-8 and Windows-1252.
bool isPlainAscii(std::string_view text);

}  // namespace stapelwerk::cp1252
