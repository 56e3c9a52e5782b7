#include "support/template_lines.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace stapelwerk::testing {

std::string templateLine(std::string_view text, int number) {
    std::size_t start = 0;
    for (int line = 1; line < number; ++line) {
        start = text.find("\r\n", start);
        if (start == std::string_view::npos) throw std::out_of_range("no such template line");
        start += 2;
    }
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) throw std::out_of_range("no such template line");
    return std::string(text.substr(start, end - start));
}

std::string fileWithLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

void appendTemplateLines(Lines& lines, std::string_view text, int from, int to) {
    for (int n = from; n <= to; ++n) lines.push_back(templateLine(text, n));
}

std::string fileOf(const BuiltText& built) {
    EXPECT_TRUE(built.ok()) << built.message();
    return built.value() + "\r\n";
}

}  // namespace stapelwerk::testing
