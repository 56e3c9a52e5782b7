#include "platform/cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

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

// Plain ASCII is the same in both encodings and makes up nearly all of a mapkey file,
// so runs of it are copied whole.
std::size_t asciiRun(std::string_view text, std::size_t offset) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    std::size_t end = offset;
    for (std::uint64_t word = 0; end + sizeof word <= text.size(); end += sizeof word) {
        std::memcpy(&word, text.data() + end, sizeof word);
        if ((word & kHighBits) != 0) break;
    }
    while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80) ++end;
    return end - offset;
}
}  // namespace

std::string decode(std::string_view bytes) {
    // Reserved to the byte: growing by doubling would, for a list of many megabytes that
    // is mostly umlauts, hold the old and the new buffer beside the bytes at once.
    std::size_t size = 0;
    for (const char byte : bytes)
        size += utf8::encodedLength(characterOf(static_cast<unsigned char>(byte)));
    std::string text;
    text.reserve(size);
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const std::size_t run = asciiRun(bytes, offset);
        text.append(bytes.substr(offset, run));
        offset += run;
        if (offset < bytes.size()) {
            utf8::append(text, characterOf(static_cast<unsigned char>(bytes[offset++])));
        }
    }
    return text;
}

bool encodeInto(std::string_view utf8, std::string& bytes) {
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const std::size_t run = asciiRun(utf8, offset);
        bytes.append(utf8.substr(offset, run));
        offset += run;
        if (offset == utf8.size()) break;
        const std::optional<char32_t> codePoint = utf8::next(utf8, offset);
        if (!codePoint) return false;
        const std::optional<unsigned char> byte = byteOf(*codePoint);
        if (!byte) return false;
        bytes += static_cast<char>(*byte);
    }
    return true;
}

std::optional<std::string> encode(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    if (!encodeInto(utf8, bytes)) return std::nullopt;
    return bytes;
}

bool isPlainAscii(std::string_view text) { return asciiRun(text, 0) == text.size(); }

bool canEncode(std::string_view utf8) {
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        offset += asciiRun(utf8, offset);
        if (offset == utf8.size()) break;
        const std::optional<char32_t> codePoint = utf8::next(utf8, offset);
        if (!codePoint || !byteOf(*codePoint)) return false;
    }
    return true;
}

bool isLineText(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F) return false;
        // U+0080 to U+009F are C2 80 to C2 9F in UTF-8.
        if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            return false;
        }
    }
    return canEncode(utf8);
}

}  // namespace stapelwerk::cp1252
