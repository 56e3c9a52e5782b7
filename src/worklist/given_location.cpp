#include "worklist/given_location.h"

#include <unordered_map>

#include "core/model_version.h"
#include "platform/trim.h"
#include "worklist/confirm.h"
#include "worklist/line_cells.h"

namespace stapelwerk {

GivenLocation givenLocationOf(std::string_view line) {
    std::string unquoted;
    const std::string_view text = trimBlanks(firstCellView(line, unquoted));
    GivenLocation given;
    std::string_view file = text;
    if (const std::size_t separator = text.find_last_of("\\/");
        separator != std::string_view::npos) {
        given.directory = text.substr(0, separator + 1);
        file = text.substr(separator + 1);
    }
    const std::size_t type = file.find('.');
    const std::size_t dot = type == std::string_view::npos ? type : file.find('.', type + 1);
    if (dot != std::string_view::npos) given.version = versionNumber(file.substr(dot + 1));
    return given;
}

std::vector<GivenLocation> givenLocations(const WorkEntries& rows, const TextList& entries) {
    std::unordered_map<std::string_view, std::size_t> positions;
    positions.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) positions.emplace(entries[i], i);
    std::vector<GivenLocation> given(entries.size());
    for (const WorkEntryView row : rows) {
        if (!row.selected) continue;
        const auto position = positions.find(reducedEntry(row.text));
        // A repeat of a plain name must not hide what a later row of it names.
        if (position == positions.end() || given[position->second] != GivenLocation{}) continue;
        given[position->second] = givenLocationOf(row.text);
    }
    return given;
}

}  // namespace stapelwerk
