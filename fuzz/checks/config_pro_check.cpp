#include "cadconfig/auto_mapkey.h"
#include "fuzz_checks.h"

namespace stapelwerk::fuzz {

namespace {
bool startsLine(std::string_view bytes) { return bytes.empty() || bytes.ends_with("\r\n"); }
}  // namespace

// The user's configuration survives byte for byte: the new file is the old bytes, at most
// the line end that its last line lacked (or the LF that completes a closing CR), and then
// the auto block, each of its lines ended by CR LF.
std::string checkConfigPro(std::string_view input) {
    const std::string updated = configWithAutoMapkey(input);
    if (!updated.starts_with(input)) return "the old bytes do not stand unchanged at the start";
    std::string block;
    for (const std::string_view line : kAutoBlock) block.append(line).append("\r\n");
    const std::string_view added = std::string_view(updated).substr(input.size());
    if (!added.ends_with(block)) return "the new file does not end in the auto block";
    const std::string_view between = added.substr(0, added.size() - block.size());
    const std::string old(input);
    if (!startsLine(old + std::string(between))) return "the auto block does not start a line";
    for (const std::string_view shorter : {"", "\n"}) {
        if (shorter.size() < between.size() && startsLine(old + std::string(shorter))) {
            return "more than a line end was put between the old bytes and the block";
        }
    }
    if (between.size() > 2) return "more than a line end was put before the block";
    return {};
}

}  // namespace stapelwerk::fuzz
