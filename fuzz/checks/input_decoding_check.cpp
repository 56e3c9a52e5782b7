#include "fuzz_checks.h"
#include "platform/cp1252.h"
#include "platform/input_decoding.h"
#include "platform/utf8.h"

namespace stapelwerk::fuzz {

// Whatever the bytes, the text is UTF-8; well-formed UTF-8 stays as it is, anything else is
// read as Windows-1252 and so encodes back to the very bytes (a byte-order mark aside).
std::string checkInputDecoding(std::string_view input) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::string_view bytes =
        input.starts_with(kByteOrderMark) ? input.substr(kByteOrderMark.size()) : input;
    const std::string text = decodeUtf8OrCp1252(input);
    if (!utf8::isValid(text)) return "the text is not UTF-8";
    if (utf8::isValid(bytes)) return text == bytes ? "" : "well-formed UTF-8 was changed";
    if (cp1252::encode(text) != std::string(bytes))
        return "Windows-1252 does not give the bytes back";
    return {};
}

}  // namespace stapelwerk::fuzz
