#include "core/model_version.h"

#include <algorithm>

namespace stapelwerk {

namespace {
constexpr std::size_t kMostDigits = 9;  // below 2^32
}  // namespace

std::optional<std::uint32_t> versionNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > kMostDigits ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::uint32_t version = 0;
    for (const char digit : digits)
        version = version * 10 + static_cast<std::uint32_t>(digit - '0');
    return version;
}

}  // namespace stapelwerk
