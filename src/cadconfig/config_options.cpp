#include "cadconfig/config_options.h"

#include <algorithm>

namespace stapelwerk {

namespace {
constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}
}  // namespace

std::optional<ConfigOption> optionOn(std::string_view line) {
    const std::string_view setting = trimmed(line.substr(0, line.find('!')));
    if (setting.empty()) return std::nullopt;
    const std::size_t nameEnd = std::min(setting.find_first_of(kBlanks), setting.size());
    return ConfigOption{setting.substr(0, nameEnd), trimmed(setting.substr(nameEnd))};
}

bool isWord(std::string_view word, std::string_view small) {
    return std::equal(word.begin(), word.end(), small.begin(), small.end(), [](char c, char s) {
        return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == s;
    });
}

std::optional<std::string_view> lastOptionValue(std::string_view configBytes,
                                                std::string_view small) {
    std::optional<std::string_view> last;
    forEachOption(configBytes, [&](const ConfigOption& option) {
        if (isWord(option.name, small)) last = option.value;
    });
    return last;
}

OptionSettings readOptionSettings(const std::vector<std::string>& paths, std::string_view small) {
    OptionSettings settings;
    settings.unread = readEachConfig(paths, [&](const std::string& path, std::string_view bytes) {
        const std::optional<std::string_view> value = lastOptionValue(bytes, small);
        settings.read.push_back({path, value ? std::optional<std::string>(*value) : std::nullopt});
    });
    return settings;
}

std::optional<std::string> effectiveValue(const OptionSettings& settings) {
    const auto last = std::find_if(settings.read.rbegin(), settings.read.rend(),
                                   [](const OptionInFile& file) { return file.value.has_value(); });
    if (last == settings.read.rend()) return std::nullopt;
    return last->value;
}

}  // namespace stapelwerk
