#include "core/run_id.h"

#include <algorithm>
#include <random>

namespace stapelwerk {

namespace {
constexpr std::size_t kLongestRunId = 64;

bool isLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}
}  // namespace

std::string newRunId() {
    static constexpr std::string_view kCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, kCharacters.size() - 1);
    std::string id;
    for (std::size_t i = 0; i < kRunIdLength; ++i) id += kCharacters[pick(random)];
    return id;
}

bool isRunId(std::string_view text) {
    return !text.empty() && text.size() <= kLongestRunId &&
           std::all_of(text.begin(), text.end(), isLetterOrDigit);
}

}  // namespace stapelwerk
