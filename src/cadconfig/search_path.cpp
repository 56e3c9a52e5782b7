#include "cadconfig/search_path.h"

#include <filesystem>

#include "cadconfig/config_options.h"
#include "core/texts.h"
#include "platform/line_reader.h"
#include "platform/os.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A comma or a semicolon, the first outside quotes; a blank where there is neither.
char separatorOf(std::string_view value) {
    bool quoted = false;
    for (const char c : value) {
        if (c == '"') quoted = !quoted;
        if (!quoted && (c == ',' || c == ';')) return c;
    }
    return ' ';
}

// One directory of a list as it is taken in, character by character.
class Piece {
public:
    void add(char c, bool quoted) {
        // Blanks outside quotes count only between characters of the directory.
        if (!quoted && isBlank(c)) {
            if (!text_.empty()) text_ += c;
            return;
        }
        text_ += c;
        kept_ = text_.size();
    }

    // Hands the directory taken in to `directories`, unless it is empty, and starts anew.
    void end(std::vector<std::string>& directories) {
        text_.resize(kept_);
        if (!text_.empty()) directories.push_back(std::move(text_));
        text_.clear();
        kept_ = 0;
    }

private:
    std::string text_;
    std::size_t kept_ = 0;
};

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Where the variable that starts at `at` ends, past its closing mark; its name goes to `name`.
// npos where no variable starts there.
std::size_t variableEnd(std::string_view text, std::size_t at, VariableStyle style,
                        std::string_view& name) {
    if (style == VariableStyle::dollar) {
        if (text[at] != '$') return std::string_view::npos;
        std::size_t end = at + 1;
        while (end < text.size() && isNameCharacter(text[end])) ++end;
        name = text.substr(at + 1, end - at - 1);
        return name.empty() ? std::string_view::npos : end;
    }
    if (text[at] != '%') return std::string_view::npos;
    const std::size_t close = text.find('%', at + 1);
    if (close == std::string_view::npos || close == at + 1) return std::string_view::npos;
    name = text.substr(at + 1, close - at - 1);
    return close + 1;
}

// The option's value without the quotes around it: the name of one file.
std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Gathers the search path in the order the CAD system looks.
class SearchPathReader {
public:
    SearchPathReader(const std::string& startDirectory, const Environment& environment)
        : start_(absoluteStart(startDirectory)), environment_(environment) {}

    void readConfig(const std::string& path) {
        const Result<std::string> bytes = readFileBytes(path);
        if (!bytes) {
            if (!namesNothing(bytes.failure())) notRead(path, texts::reasonOf(bytes));
            return;
        }
        forEachOption(*bytes, [this](const ConfigOption& option) {
            if (isWord(option.name, "search_path")) {
                for (const std::string& directory : splitDirectoryList(option.value)) {
                    add(directory, VariableStyle::dollar);
                }
            } else if (isWord(option.name, "search_path_file")) {
                searchPathFile_ = std::string(unquoted(option.value));
            }
        });
    }

    SearchPath finish() {
        if (searchPathFile_ && !searchPathFile_->empty()) readSearchPathFile(*searchPathFile_);
        return std::move(path_);
    }

private:
    void readSearchPathFile(const std::string& named) {
        const Result<std::string> file =
            expandedVariables(named, VariableStyle::dollar, environment_);
        if (!file) {
            notRead(named, file.message());
            return;
        }
        const std::string path = absolute(*file);
        const Result<std::string> bytes = readFileBytes(path);
        if (!bytes) {
            notRead(path, texts::reasonOf(bytes));
            return;
        }
        const VariableStyle style =
            os::kPercentVariables ? VariableStyle::percent : VariableStyle::dollar;
        for (const std::string& directory : searchProDirectories(*bytes)) add(directory, style);
    }

    void add(const std::string& directory, VariableStyle style) {
        const Result<std::string> expanded = expandedVariables(directory, style, environment_);
        if (expanded) {
            path_.directories.push_back(absolute(*expanded));
        } else {
            notRead(directory, expanded.message());
        }
    }

    static std::filesystem::path absoluteStart(const std::string& startDirectory) {
        std::error_code error;
        const std::filesystem::path start =
            std::filesystem::absolute(toPath(startDirectory), error);
        return error ? toPath(startDirectory) : start;
    }

    std::string absolute(const std::string& path) const {
        const std::filesystem::path given = toPath(path);
        return fromPath((given.is_absolute() ? given : start_ / given).lexically_normal());
    }

    void notRead(const std::string& path, const std::string& reason) {
        path_.notRead.push_back({path, reason});
    }

    std::filesystem::path start_;
    const Environment& environment_;
    std::optional<std::string> searchPathFile_;
    SearchPath path_;
};
}  // namespace

std::vector<std::string> splitDirectoryList(std::string_view value) {
    const char separator = separatorOf(value);
    std::vector<std::string> directories;
    Piece piece;
    bool quoted = false;
    for (const char c : value) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == separator || (separator == ' ' && isBlank(c)))) {
            piece.end(directories);
        } else {
            piece.add(c, quoted);
        }
    }
    piece.end(directories);
    return directories;
}

std::vector<std::string> searchProDirectories(std::string_view bytes) {
    std::vector<std::string> directories;
    forEachLine(bytes, LoneLineFeed::endsLine, [&directories](std::string_view line) {
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"') quoted = !quoted;
            if (line[i] == '!' && !quoted) {
                line = line.substr(0, i);
                break;
            }
        }
        for (std::string& directory : splitDirectoryList(line)) {
            directories.push_back(std::move(directory));
        }
    });
    return directories;
}

Result<std::string> expandedVariables(std::string_view text, VariableStyle style,
                                      const Environment& environment) {
    std::string expanded;
    for (std::size_t at = 0; at < text.size();) {
        std::string_view name;
        const std::size_t end = variableEnd(text, at, style, name);
        if (end == std::string_view::npos) {
            expanded += text[at++];
            continue;
        }
        const std::optional<std::string> value = environment(std::string(name));
        if (!value) return refusal(texts::reasonVariableNotSet(name));
        expanded += *value;
        at = end;
    }
    return expanded;
}

SearchPath readSearchPath(const std::vector<std::string>& configPaths,
                          const std::string& startDirectory, const Environment& environment) {
    SearchPathReader reader(startDirectory, environment);
    for (const std::string& path : configPaths) reader.readConfig(path);
    return reader.finish();
}

}  // namespace stapelwerk
