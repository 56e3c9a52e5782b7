#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace stapelwerk {

// The lines of the doit.pro a pending text makes, as the preview shows them: the text's
// lines, and after its last line end the empty line that the writer's CR LF ends. A view
// of the text, which must outlive it; indexing half a gigabyte takes a fraction of a second.
class DoitLines {
public:
    explicit DoitLines(std::string_view pendingText);

    std::size_t count() const { return starts_.size(); }
    // The line without its line end; `index` below count().
    std::string_view line(std::size_t index) const;

    // The first line from `from` on, wrapping round to the first line, that holds
    // `needle` (letter case of a-z ignored); nothing when no line does or it is empty.
    std::optional<std::size_t> find(std::string_view needle, std::size_t from) const;

    // The size of the file in bytes: one byte a character in Windows-1252.
    std::size_t fileSize() const;

private:
    std::size_t lineOf(std::size_t offset) const;

    std::string_view text_;
    std::vector<std::size_t> starts_;
};

}  // namespace stapelwerk
