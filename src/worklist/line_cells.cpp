#include "worklist/line_cells.h"

#include <algorithm>

#include "platform/trim.h"
#include "worklist/confirm.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kNameSeparators = "\t;";
constexpr char kQuote = '"';
constexpr char kBlank = ' ';

struct Cell {
    // A view into the line, or into the caller's `unquoted` where a doubled quote was undone.
    std::string_view text;
    // Where the next cell starts; npos when this one ends the line.
    std::size_t next = std::string_view::npos;
};

std::size_t afterBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && line[at] == kBlank) ++at;
    return at;
}

// Where the quote that closes the quoted text from `open` stands; npos when none does.
std::size_t closingQuote(std::string_view line, std::size_t open) {
    for (std::size_t at = line.find(kQuote, open + 1); at != std::string_view::npos;
         at = line.find(kQuote, at + 2)) {
        if (at + 1 == line.size() || line[at + 1] != kQuote) return at;
    }
    return std::string_view::npos;
}

// A cell in quotes, blanks around them allowed; nothing when the cell at `start` is not one
// (no quote, or one that ends before the cell does: "a"b is taken as it stands).
std::optional<Cell> quotedCellAt(std::string_view line, std::size_t start,
                                 std::string_view separators, std::string& unquoted) {
    const std::size_t open = afterBlanks(line, start);
    if (open == line.size() || line[open] != kQuote) return std::nullopt;
    const std::size_t close = closingQuote(line, open);
    if (close == std::string_view::npos) return std::nullopt;
    const std::size_t end = afterBlanks(line, close + 1);
    Cell cell;
    if (end < line.size()) {
        if (separators.find(line[end]) == std::string_view::npos) return std::nullopt;
        cell.next = end + 1;
    }
    cell.text = line.substr(open + 1, close - open - 1);
    if (cell.text.find(kQuote) != std::string_view::npos) {
        unquoted.clear();
        for (std::size_t at = 0; at < cell.text.size(); ++at) {
            unquoted += cell.text[at];
            if (cell.text[at] == kQuote) ++at;  // the second of a doubled quote
        }
        cell.text = unquoted;
    }
    return cell;
}

Cell cellAt(std::string_view line, std::size_t start, std::string_view separators,
            std::string& unquoted) {
    if (std::optional<Cell> quoted = quotedCellAt(line, start, separators, unquoted)) {
        return *quoted;
    }
    const std::size_t end = line.find_first_of(separators, start);
    if (end == std::string_view::npos) return {line.substr(start)};
    return {line.substr(start, end - start), end + 1};
}

// Where the cell after the first starts, as `separators` end the first; npos when none does.
std::size_t secondCellStart(std::string_view line, std::string_view separators) {
    std::string unquoted;
    return cellAt(line, 0, separators, unquoted).next;
}
}  // namespace

std::size_t firstCellEnd(std::string_view line) {
    std::string unquoted;
    if (quotedCellAt(line, 0, kNameSeparators, unquoted)) {
        return closingQuote(line, afterBlanks(line, 0));
    }
    return std::min(line.find_first_of(kNameSeparators), line.size());
}

std::string_view firstCellView(std::string_view line, std::string& unquoted) {
    return cellAt(line, 0, kNameSeparators, unquoted).text;
}

std::string cellBefore(std::string_view line, std::string_view separators) {
    std::string unquoted;
    return std::string(cellAt(line, 0, separators, unquoted).text);
}

std::string firstCell(std::string_view line) { return cellBefore(line, kNameSeparators); }

std::string secondCell(std::string_view row) {
    const std::string_view separator = row.find('\t') != std::string_view::npos ? "\t" : ";";
    const std::size_t second = secondCellStart(row, separator);
    if (second == std::string_view::npos) return {};
    std::string unquoted;
    return std::string(cellAt(row, second, separator, unquoted).text);
}

bool hasSeveralCells(std::string_view line) {
    return secondCellStart(line, kNameSeparators) != std::string_view::npos;
}

std::vector<std::string> fileNameLines(std::vector<std::string> names) {
    for (std::string& name : names) {
        if (name.find_first_of(kNameSeparators) == std::string::npos &&
            trimBlanks(name).find(kQuote) != 0) {
            continue;
        }
        std::string quoted(1, kQuote);
        for (const char c : name) quoted.append(c == kQuote ? 2 : 1, c);
        name = quoted + kQuote;
    }
    return names;
}

bool isNameHeader(std::string_view line) {
    std::string unquoted;
    return firstCellView(line, unquoted) == "Name";
}

bool isColumnHeader(std::string_view first, std::string_view next) {
    const auto typed = [](std::string_view line) {
        std::string unquoted;
        return !firstExtension(trimBlanks(firstCellView(line, unquoted))).empty();
    };
    return hasSeveralCells(first) && hasSeveralCells(next) && !typed(first) && typed(next);
}

}  // namespace stapelwerk
