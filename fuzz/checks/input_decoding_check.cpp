#include "fuzz_checks.h"
#include "platform/cp1252.h"
#include "platform/input_decoding.h"
#include "platform/utf8.h"

namespace stapelwerk::fuzz {

namespace {
// The UTF-16 of a UTF-8 text, in the byte order of `mark`, the mark first.
std::string utf16(std::string_view text, std::string_view mark) {
    std::string bytes(mark);
    const bool littleEndian = mark == "\xFF\xFE";
    const auto unit = [&](char32_t value) {
        const char high = static_cast<char>(value >> 8);
        const char low = static_cast<char>(value & 0xFF);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    };
    std::size_t offset = 0;
    while (offset < text.size()) {
        const char32_t c = utf8::next(text, offset).value_or(0xFFFD);
        if (c < 0x10000) {
            unit(c);
        } else {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

// Whether UTF-16 bytes may hold what U+FFFD stands in for: an odd last byte or a unit of a
// surrogate, paired or not.
bool mayBeMalformed(std::string_view input, std::string_view mark) {
    if (input.size() % 2 != 0) return true;
    const std::size_t highByte = mark == "\xFF\xFE" ? 1 : 0;
    for (std::size_t i = 2; i + 1 < input.size(); i += 2) {
        const auto high = static_cast<unsigned char>(input[i + highByte]);
        if (high >= 0xD8 && high <= 0xDF) return true;
    }
    return false;
}
}  // namespace

// Whatever the bytes, the text is UTF-8. After a UTF-16 byte-order mark the text is UTF-16,
// and gives the bytes back unless they held a lone surrogate or an odd byte (then U+FFFD
// stands in). Else well-formed UTF-8 stays as it is, anything else is read as Windows-1252
// and so encodes back to the very bytes (a byte-order mark aside).
std::string checkInputDecoding(std::string_view input) {
    for (const std::string_view mark : {"\xFF\xFE", "\xFE\xFF"}) {
        if (!input.starts_with(mark)) continue;
        const std::string text = decodeUtf8OrCp1252(std::string(input));
        if (!utf8::isValid(text)) return "the UTF-16 text is not UTF-8";
        const bool standsIn = text.find("\xEF\xBF\xBD") != std::string::npos;
        if ((!standsIn || !mayBeMalformed(input, mark)) && utf16(text, mark) != input) {
            return "UTF-16 does not give the bytes back";
        }
        return {};
    }
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::string_view bytes =
        input.starts_with(kByteOrderMark) ? input.substr(kByteOrderMark.size()) : input;
    const std::string text = decodeUtf8OrCp1252(std::string(input));
    if (!utf8::isValid(text)) return "the text is not UTF-8";
    if (utf8::isValid(bytes)) return text == bytes ? "" : "well-formed UTF-8 was changed";
    if (cp1252::encode(text) != std::string(bytes))
        return "Windows-1252 does not give the bytes back";
    return {};
}

}  // namespace stapelwerk::fuzz
