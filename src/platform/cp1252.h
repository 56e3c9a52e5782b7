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

bool canEncode(std::string_view utf8);

}  // namespace stapelwerk::cp1252
