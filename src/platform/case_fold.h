#pragma once

#include <string>
#include <string_view>

// Letter case of the letters Windows-1252 holds: a-z, the Latin-1 letters and š, œ, ž, ÿ.
namespace stapelwerk {

// The capital of a small letter; ß and every other character stay as they are.
char32_t capitalOf(char32_t c);

// The small letter of a capital; every other character stays as it is.
char32_t smallOf(char32_t c);

// The characters of a UTF-8 text with letter case removed one for one, for matching file
// names with patterns the way Windows does. A malformed byte is read as the character of its
// own value.
std::u32string foldedCase(std::string_view utf8);

// foldedCase in UTF-8 and in full, for telling whether two names are one: ß and ẞ become
// "ss", as upper case writes them (STÖSSEL.PRT is stößel.prt). UTF-8, for keys held by the
// million: a short name stays within the string itself.
std::string foldedCaseUtf8(std::string_view utf8);

}  // namespace stapelwerk
