#include "cadconfig/defined_mapkeys.h"

#include <algorithm>
#include <unordered_map>

#include "cadconfig/config_options.h"
#include "platform/cp1252.h"
#include "platform/line_reader.h"

namespace stapelwerk {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The line after its leading blanks, when it starts with `option` in any letter case.
std::optional<std::string_view> afterOption(std::string_view line, std::string_view option) {
    std::size_t at = 0;
    while (at < line.size() && isBlank(line[at])) ++at;
    if (line.size() - at < option.size() || !isWord(line.substr(at, option.size()), option)) {
        return std::nullopt;
    }
    return line.substr(at + option.size());
}

// The text after the first of `markers` that the line holds, up to its ";".
std::optional<std::string_view> markedText(std::string_view line) {
    for (const std::string_view marker : {"@MAPKEY_NAME", "@MAPKEY_LABEL"}) {
        const std::size_t at = line.find(marker);
        if (at == std::string_view::npos) continue;
        const std::string_view text = line.substr(at + marker.size());
        return text.substr(0, text.find(';'));
    }
    return std::nullopt;
}
}  // namespace

std::optional<std::string_view> mapkeyDefinedOn(std::string_view line) {
    const std::optional<std::string_view> rest = afterOption(line, "mapkey");
    if (!rest || rest->empty() || !isBlank(rest->front())) return std::nullopt;
    std::size_t start = 0;
    while (start < rest->size() && isBlank((*rest)[start])) ++start;
    std::size_t end = start;
    while (end < rest->size() && !isBlank((*rest)[end])) ++end;
    if (end == start || end == rest->size()) return std::nullopt;
    return rest->substr(start, end - start);
}

std::vector<DefinedMapkey> definedMapkeys(std::string_view configBytes) {
    std::vector<DefinedMapkey> mapkeys;
    std::unordered_map<std::string, std::size_t> positions;
    // The definition that "mapkey(continued)" lines now belong to (a plain index: GCC 12
    // takes an optional one for uninitialised at -O3).
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t current = kNone;
    bool described = false;
    forEachLine(configBytes, LoneLineFeed::endsLine, [&](std::string_view line) {
        if (const std::optional<std::string_view> name = mapkeyDefinedOn(line)) {
            const auto [at, added] = positions.try_emplace(cp1252::decode(*name), mapkeys.size());
            if (added) mapkeys.push_back({at->first, {}});
            current = at->second;
            mapkeys[current].description.clear();
            described = false;
        } else if (!afterOption(line, "mapkey(continued)")) {
            current = kNone;
            return;
        }
        if (current == kNone || described) return;
        if (const std::optional<std::string_view> text = markedText(line)) {
            mapkeys[current].description = cp1252::decode(*text);
            described = true;
        }
    });
    return mapkeys;
}

KnownMapkeys readKnownMapkeys(const std::vector<std::string>& paths) {
    KnownMapkeys known;
    known.unread = readEachConfig(paths, [&known](const std::string&, std::string_view bytes) {
        known.looked = true;
        for (DefinedMapkey& mapkey : definedMapkeys(bytes)) {
            const auto same = std::find_if(
                known.mapkeys.begin(), known.mapkeys.end(),
                [&mapkey](const DefinedMapkey& other) { return other.name == mapkey.name; });
            if (same == known.mapkeys.end()) {
                known.mapkeys.push_back(std::move(mapkey));
            } else {
                *same = std::move(mapkey);
            }
        }
    });
    return known;
}

}  // namespace stapelwerk
