#include "platform/input_decoding.h"

#include <cstddef>
#include <utility>

#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
}  // namespace

std::optional<std::string> decodeMarkedUtf16(std::string_view bytes) {
    const bool littleEndian = bytes.starts_with(kLittleEndianMark);
    if (!littleEndian && !bytes.starts_with(kBigEndianMark)) return std::nullopt;
    bytes.remove_prefix(kLittleEndianMark.size());
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? char32_t(first | (second << 8)) : char32_t((first << 8) | second);
    };
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 3 < bytes.size() && isLowSurrogate(unitAt(i + 2))) {
            utf8::append(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            utf8::append(text, isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit);
        }
    }
    if (i < bytes.size()) utf8::append(text, kReplacement);
    return text;
}

std::string_view withoutByteOrderMarks(std::string_view line) {
    while (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    return line;
}

std::string decodeUtf8OrCp1252(std::string bytes) {
    if (std::optional<std::string> text = decodeMarkedUtf16(bytes)) return std::move(*text);
    // In place: a list of many megabytes is not copied to drop three bytes or none.
    if (std::string_view(bytes).starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
    if (utf8::isValid(bytes)) return bytes;
    return cp1252::decode(bytes);
}

}  // namespace stapelwerk
