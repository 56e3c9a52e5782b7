#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_list.h"
#include "core/work_list.h"

namespace stapelwerk {

// What a line of the work list says of where its file lies beyond the name that confirming
// keeps: a directory (C:\work\welle.prt.3) and a version.
struct GivenLocation {
    std::string directory;  // up to its last separator; empty where the line names none
    std::optional<std::uint32_t> version;
    bool operator==(const GivenLocation&) const = default;
};

// Of the line's first cell, trimmed: its directory, and as its version the number (of at most
// nine digits) after its type extension.
GivenLocation givenLocationOf(std::string_view line);

// Of each confirmed entry, what the first selected row of the work list that confirms to it
// and names a directory or version gives; nothing where no row of the list as it stands now
// does.
std::vector<GivenLocation> givenLocations(const WorkEntries& rows, const TextList& entries);

}  // namespace stapelwerk
