#include "platform/case_fold.h"

#include <optional>

#include "platform/utf8.h"

namespace stapelwerk {

namespace {
char32_t lowerCase(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
        case 0x152:
            return 0x153;  // Œ
        case 0x160:
            return 0x161;  // Š
        case 0x17D:
            return 0x17E;  // Ž
        case 0x178:
            return 0xFF;  // Ÿ
        default:
            return c;
    }
}
}  // namespace

std::u32string foldedCase(std::string_view utf8) {
    std::u32string folded;
    folded.reserve(utf8.size());
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const std::optional<char32_t> c = utf8::next(utf8, offset);
        if (c) {
            folded += lowerCase(*c);
        } else {
            folded += static_cast<unsigned char>(utf8[offset++]);
        }
    }
    return folded;
}

}  // namespace stapelwerk
