#include "params/value_list.h"

#include <iterator>

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

void ValueList::append(std::vector<std::string> values) {
    values_.insert(values_.end(), std::make_move_iterator(values.begin()),
                   std::make_move_iterator(values.end()));
}

void ValueList::removeMarkedAndEmpty(std::optional<std::size_t> marked) {
    if (marked && *marked < values_.size()) {
        values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(*marked));
    }
    std::erase_if(values_, [](const std::string& value) { return value.empty(); });
}

std::vector<std::string> valuesByPosition(const std::vector<std::string>& lines) {
    return firstCells(lines);
}

std::vector<std::string> valuesByPosition(std::string_view text) { return firstCells(text); }

}  // namespace stapelwerk
