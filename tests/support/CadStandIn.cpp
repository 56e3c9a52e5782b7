#include "support/CadStandIn.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace stapelwerk::testing {

namespace {
namespace fs = std::filesystem;

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return text;
}

// doit.pro's bytes in Latin-1, which the tests' names keep within, as UTF-8.
std::string fromLatin1(const std::string& bytes) {
    std::string text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            text += byte;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

// The steps of mapkey doit: its lines joined where a backslash continues them, cut at ";".
std::vector<std::string> stepsOfDoit(const std::string& text) {
    std::string body;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 2;
        for (const std::string prefix : {"mapkey doit ", "mapkey(continued) "}) {
            if (line.rfind(prefix, 0) != 0) continue;
            line.erase(0, prefix.size());
            if (!line.empty() && line.back() == '\\') line.pop_back();
            body += line;
        }
    }
    std::vector<std::string> steps;
    for (std::size_t from = 0, semicolon = 0; semicolon != std::string::npos;
         from = semicolon + 1) {
        semicolon = body.find(';', from);
        std::string step = body.substr(from, semicolon - from);
        step.erase(0, step.find_first_not_of(' '));
        steps.push_back(step);
    }
    return steps;
}

// "~ Activate `file_open` `Open`": the action and the values between backticks.
struct UiStep {
    std::string action;
    std::vector<std::string> values;
};

UiStep uiStepOf(const std::string& step) {
    UiStep parsed;
    if (step.rfind("~ ", 0) != 0) return parsed;
    parsed.action = step.substr(2, step.find(' ', 2) - 2);
    for (std::size_t open = step.find('`'); open != std::string::npos;) {
        const std::size_t close = step.find('`', open + 1);
        if (close == std::string::npos) break;
        parsed.values.push_back(step.substr(open + 1, close - open - 1));
        open = step.find('`', close + 1);
    }
    return parsed;
}

class Session {
public:
    Session(fs::path directory, const ReplayOptions& options)
        : directory_(std::move(directory)), options_(options), shown_(options.shownModel) {}

    Replay run(const std::vector<std::string>& steps) {
        for (const std::string& step : steps) {
            if (step.rfind("@SYSTEM", 0) == 0) {
                runInShell(step.substr(7));
                continue;
            }
            const UiStep ui = uiStepOf(step);
            if (ui.values.size() < 2) continue;
            const std::string& dialog = ui.values[0];
            const std::string& field = ui.values[1];
            if (ui.action == "Update" && ui.values.size() == 3) {
                if (dialog == "file_open") typedOpen_ = ui.values[2];
                if (dialog == "file_saveas") typedSaveAs_ = ui.values[2];
            } else if (ui.action == "Activate" && dialog == "file_open" &&
                       (field == "Inputname" || field == "Open")) {
                if (comesToCrash()) return {};
                if (!open()) {
                    if (options_.whenMissing == WhenMissing::stop) return {false, typedOpen_};
                }
            } else if (ui.action == "Activate" && dialog == "file_saveas" && field == "Inputname") {
                if (comesToCrash()) return {};
                const std::size_t dot = shown_.rfind('.');
                saveNextVersion(typedSaveAs_ + shown_.substr(dot == std::string::npos ? 0 : dot));
            } else if (ui.action == "Activate" && field == "File.psh_save" && !shown_.empty()) {
                saveNextVersion(shown_);
            }
        }
        return {true, std::nullopt};
    }

private:
    bool comesToCrash() {
        ++files_;
        return options_.crashAtFile == files_;
    }

    // The newest version of `model` in the working directory, 0 where none is.
    std::size_t newestVersion(const std::string& model) const {
        const std::string wanted = lowered(model) + ".";
        std::size_t newest = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(directory_)) {
            const std::string name = lowered(entry.path().filename().string());
            if (name.rfind(wanted, 0) != 0) continue;
            const std::string number = name.substr(wanted.size());
            if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
                continue;
            newest = std::max<std::size_t>(newest, std::stoul(number));
        }
        return newest;
    }

    bool open() {
        if (newestVersion(typedOpen_) == 0) return false;
        shown_ = lowered(typedOpen_);
        return true;
    }

    void saveNextVersion(const std::string& model) {
        const std::string name = lowered(model) + "." + std::to_string(newestVersion(model) + 1);
        std::ofstream(directory_ / name, std::ios::binary) << "gespeichert von doit\r\n";
    }

    void runInShell(const std::string& command) const {
        const fs::path before = fs::current_path();
        fs::current_path(directory_);
        const int status = std::system(command.c_str());
        fs::current_path(before);
        static_cast<void>(status);
    }

    fs::path directory_;
    const ReplayOptions& options_;
    std::string shown_;
    std::string typedOpen_;
    std::string typedSaveAs_;
    std::size_t files_ = 0;
};
}  // namespace

Replay replayDoit(const std::string& directory, const ReplayOptions& options) {
    const fs::path path(std::u8string(directory.begin(), directory.end()));
    std::ifstream in(path / "doit.pro", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    return Session(path, options).run(stepsOfDoit(fromLatin1(bytes)));
}

}  // namespace stapelwerk::testing
