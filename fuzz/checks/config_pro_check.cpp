#include "cadconfig/auto_mapkey.h"
#include "fuzz_checks.h"
#include "platform/line_reader.h"

namespace stapelwerk::fuzz {

namespace {
// The one kind of line end that `text` uses, where it uses exactly one; empty otherwise.
std::string_view onlyLineEnd(std::string_view text) {
    std::string_view found;
    for (std::size_t at = text.find_first_of("\r\n"); at != std::string_view::npos;
         at = text.find_first_of("\r\n", at + 1)) {
        const bool crLf = text.substr(at, 2) == "\r\n";
        const std::string_view end = crLf ? "\r\n" : text.substr(at, 1);
        if (!found.empty() && found != end) return {};
        found = end;
        if (crLf) ++at;
    }
    return found;
}
}  // namespace

// The user's configuration survives byte for byte: the new file is the old bytes, at most the
// line end that its last line lacked, and then the auto block. What is appended uses one kind
// of line end, the file's own where it has only one; read as the CAD system reads it (LF,
// CR LF and CR end lines), the new file holds the old lines and then the block's.
std::string checkConfigPro(std::string_view input) {
    const std::string updated = configWithAutoMapkey(input);
    if (!updated.starts_with(input)) return "the old bytes do not stand unchanged at the start";
    const std::string_view added = std::string_view(updated).substr(input.size());
    const std::string_view lineEnd = onlyLineEnd(added);
    if (lineEnd.empty()) return "what is appended does not use one kind of line end";
    const std::string_view fileEnd = onlyLineEnd(input);
    if (!fileEnd.empty() && fileEnd != lineEnd)
        return "the block does not take the file's line end";
    if (input.empty() && lineEnd != "\r\n") return "a new file does not get CR LF";
    std::string block;
    for (const std::string_view line : kAutoBlock) block.append(line).append(lineEnd);
    if (!added.ends_with(block)) return "the new file does not end in the auto block";
    const bool terminated = input.empty() || input.ends_with('\n') || input.ends_with('\r');
    if (added.size() != block.size() + (terminated ? 0 : lineEnd.size())) {
        return "more than the last line's missing line end was put before the block";
    }
    std::vector<std::string> lines = splitLines(input, LoneLineFeed::endsLine);
    lines.insert(lines.end(), kAutoBlock.begin(), kAutoBlock.end());
    if (splitLines(updated, LoneLineFeed::endsLine) != lines) {
        return "read as the CAD system reads it, the file is not its old lines and the block";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
