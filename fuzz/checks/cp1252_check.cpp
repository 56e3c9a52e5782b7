#include "fuzz_checks.h"
#include "platform/cp1252.h"

namespace stapelwerk::fuzz {

// The input once as the bytes of a file, once as UTF-8 text. Decoding maps every byte to a
// character of its own, so every text that Windows-1252 can hold is the decoding of some
// bytes: decode-then-encode giving the bytes back and encode giving only bytes that decode to
// its text together make encode the exact inverse of decode, refusing everything else.
std::string checkCp1252(std::string_view input) {
    const std::string decoded = cp1252::decode(input);
    const std::optional<std::string> back = cp1252::encode(decoded);
    if (!back || *back != input) return "decode then encode does not give the bytes back";

    bool ascii = true;
    for (const char byte : input) ascii = ascii && static_cast<unsigned char>(byte) < 0x80;
    if (cp1252::isPlainAscii(input) != ascii) return "isPlainAscii is wrong";
    if (ascii && decoded != input) return "decode changed plain ASCII";

    const std::optional<std::string> encoded = cp1252::encode(input);
    if (encoded && cp1252::decode(*encoded) != input) {
        return "encode accepted a text and gave bytes of another";
    }
    if (cp1252::canEncode(input) != encoded.has_value()) return "canEncode and encode disagree";
    std::string appended = "before";
    if (cp1252::encodeInto(input, appended) != encoded.has_value()) {
        return "encodeInto and encode disagree";
    }
    if (encoded && appended != "before" + *encoded) return "encodeInto did not append the bytes";
    return {};
}

}  // namespace stapelwerk::fuzz
