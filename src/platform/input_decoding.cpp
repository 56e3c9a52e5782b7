#include "platform/input_decoding.h"

#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

std::string decodeUtf8OrCp1252(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (utf8::isValid(bytes)) return std::string(bytes);
    return cp1252::decode(bytes);
}

}  // namespace stapelwerk
