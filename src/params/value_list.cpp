#include "params/value_list.h"

#include "platform/input_decoding.h"
#include "worklist/line_cells.h"

namespace stapelwerk {

namespace {
template <typename Lines>
std::vector<std::string> firstCells(const Lines& lines) {
    bool anyLine = false;
    bool semicolonInEvery = true;
    std::size_t count = 0;
    eachLineOf(lines, [&](std::string_view line) {
        ++count;
        line = withoutByteOrderMarks(line);
        if (line.empty()) return;
        anyLine = true;
        semicolonInEvery = semicolonInEvery && line.find(';') != std::string_view::npos;
    });
    const std::string_view separators = anyLine && semicolonInEvery ? "\t;" : "\t";
    std::vector<std::string> values;
    values.reserve(count);
    eachLineOf(lines, [&](std::string_view line) {
        values.push_back(cellBefore(withoutByteOrderMarks(line), separators));
    });
    return values;
}
}  // namespace

std::vector<std::string> withoutMarkedAndEmpty(const std::vector<std::string>& values,
                                               std::optional<std::size_t> selected) {
    std::vector<std::string> kept;
    kept.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i != selected && !values[i].empty()) kept.push_back(values[i]);
    }
    return kept;
}

std::vector<std::string> valuesByPosition(const std::vector<std::string>& lines) {
    return firstCells(lines);
}

std::vector<std::string> valuesByPosition(std::string_view text) { return firstCells(text); }

}  // namespace stapelwerk
