#include "platform/case_fold.h"

#include <optional>
#include <utility>

#include "platform/utf8.h"

namespace stapelwerk {

namespace {
// Latin-1 small letters lie 0x20 above their capitals; × and ÷ are no letters
// and ß has no capital there.
constexpr char32_t kLatinOffset = 0x20;
constexpr char32_t kTimes = 0xD7;
constexpr char32_t kDivide = 0xF7;
// ß has no capital of one letter in Windows-1252; upper case writes it SS.
constexpr char32_t kSharpS = 0xDF;
constexpr char32_t kCapitalSharpS = 0x1E9E;

// š, œ, ž and ÿ have their capitals among the bytes 0x80 to 0x9F.
constexpr std::pair<char32_t, char32_t> kSmallAndCapital[] = {
    {0x0161, 0x0160}, {0x0153, 0x0152}, {0x017E, 0x017D}, {0x00FF, 0x0178}};
}  // namespace

char32_t capitalOf(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - kLatinOffset;
    if (c >= 0xE0 && c <= 0xFE && c != kDivide) return c - kLatinOffset;
    for (const auto& [small, capital] : kSmallAndCapital) {
        if (c == small) return capital;
    }
    return c;
}

char32_t smallOf(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + kLatinOffset;
    if (c >= 0xC0 && c <= 0xDE && c != kTimes) return c + kLatinOffset;
    for (const auto& [small, capital] : kSmallAndCapital) {
        if (c == capital) return small;
    }
    return c;
}

namespace {
// Hands `add` each character of `utf8` in its small letter.
template <typename Add>
void eachFolded(std::string_view utf8, Add add) {
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        // A malformed byte is the character of its value, and its letter case goes as well:
        // otherwise a name in Latin-1 would match a pattern in one letter case only.
        const std::optional<char32_t> c = utf8::next(utf8, offset);
        add(smallOf(c ? *c : static_cast<unsigned char>(utf8[offset++])));
    }
}
}  // namespace

std::u32string foldedCase(std::string_view utf8) {
    std::u32string folded;
    folded.reserve(utf8.size());
    eachFolded(utf8, [&folded](char32_t c) { folded += c; });
    return folded;
}

std::string foldedCaseUtf8(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    // Names are mostly ASCII: their run is folded byte by byte, the rest character by character.
    std::size_t ascii = 0;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    for (const char c : utf8.substr(0, ascii)) {
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    eachFolded(utf8.substr(ascii), [&folded](char32_t c) {
        if (c == kSharpS || c == kCapitalSharpS) {
            folded += "ss";
        } else {
            utf8::append(folded, c);
        }
    });
    return folded;
}

}  // namespace stapelwerk
