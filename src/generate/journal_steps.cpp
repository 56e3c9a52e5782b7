#include "generate/journal_steps.h"

#include <charconv>

#include "core/journal_format.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kStepEnd = ";\\\r\n";
}  // namespace

JournalSteps::JournalSteps(std::string_view runId) {
    if (runId.empty()) return;
    prefix_.append("mapkey(continued) @SYSTEM>>")
        .append(journal::kFileName)
        .append(" echo ")
        .append(runId)
        .append(" ");
    start_.append(prefix_).append(journal::kStartMark).append(kStepEnd);
    end_.append(prefix_).append(journal::kEndMark).append(kStepEnd);
}

std::size_t JournalSteps::entrySize(std::size_t number) const {
    if (!on()) return 0;
    std::size_t digits = 1;
    for (; number >= 10; number /= 10) ++digits;
    return prefix_.size() + digits + kStepEnd.size();
}

void JournalSteps::appendEntry(std::string& text, std::size_t number) const {
    if (!on()) return;
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    text.append(prefix_).append(digits, end.ptr).append(kStepEnd);
}

}  // namespace stapelwerk
