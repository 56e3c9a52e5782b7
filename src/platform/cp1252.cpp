#include "platform/cp1252.h"

#include <array>

#include "platform/utf8.h"

namespace stapelwerk::cp1252 {

namespace {
// Characters of the bytes 0x80 to 0x9F; the undefined ones map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t characterOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}
}  // namespace

std::string decode(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) utf8::append(text, characterOf(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<std::string> encode(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const std::optional<char32_t> codePoint = utf8::next(utf8, offset);
        if (!codePoint) return std::nullopt;
        const std::optional<unsigned char> byte = byteOf(*codePoint);
        if (!byte) return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

bool canEncode(std::string_view utf8) {
    return encode(utf8).has_value();
}

}  // namespace stapelwerk::cp1252
