#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cadconfig/start_configs.h"
#include "platform/line_reader.h"

// The options that config.pro sets, as the CAD system reads them: one a line (LF, CR LF and
// CR end lines), the name first, in any letter case, then the value; "!" starts a comment.
namespace stapelwerk {

struct ConfigOption {
    std::string_view name;
    // The rest of the line up to a "!", without the blanks and TABs around it; may be empty.
    std::string_view value;
};

// The option that a line of config.pro sets; nothing for a line of blanks or a comment.
std::optional<ConfigOption> optionOn(std::string_view line);

// Whether `word` is `small` in any letter case; `small` is in small ASCII letters, as option
// names and the values yes and no are written in the CAD system's documentation.
bool isWord(std::string_view word, std::string_view small);

// Calls `each` with every option that config.pro's bytes set, in the file's order, as views
// into the bytes.
template <typename Each>
void forEachOption(std::string_view configBytes, Each each) {
    forEachLine(configBytes, LoneLineFeed::endsLine, [&each](std::string_view line) {
        if (const std::optional<ConfigOption> option = optionOn(line)) each(*option);
    });
}

// The value that config.pro's bytes give the option `small` (isWord) last, which is the one
// the CAD system keeps; nothing where they do not set it.
std::optional<std::string_view> lastOptionValue(std::string_view configBytes,
                                                std::string_view small);

// What one config.pro read at start sets an option to.
struct OptionInFile {
    std::string path;
    std::optional<std::string> value;  // its last value; nothing where the file does not set it
    bool operator==(const OptionInFile&) const = default;
};

struct OptionSettings {
    std::vector<OptionInFile> read;  // in the order read
    std::vector<UnreadConfig> unread;
};

// What each of the config.pro files `paths` (startConfigPaths) sets the option `small` to.
OptionSettings readOptionSettings(const std::vector<std::string>& paths, std::string_view small);

// The value that holds once the CAD system has read the files: the last file's that sets the
// option; nothing where none does.
std::optional<std::string> effectiveValue(const OptionSettings& settings);

}  // namespace stapelwerk
