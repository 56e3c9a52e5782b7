#pragma once

#include <ostream>

#include "platform/platform.h"

namespace stapelwerk {

// The platform of the command line: messages go to the error stream, every question is
// answered Yes, and the window's settings are neither read nor written, so that a script
// never changes what the user set in the window. What a terminal does not have (a
// clipboard, drives to choose, a sound) is empty or does nothing.
class ConsolePlatform final : public Platform {
public:
    explicit ConsolePlatform(std::ostream& messages) : messages_(messages) {}

    // Always `fallback`.
    std::string readSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    // Does nothing.
    void writeSetting(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) override;
    std::string loginName() override;
    // The command line keeps nothing beside its executable; where the window falls back on
    // its program directory, the command line uses the current directory.
    std::string programDirectory() override;
    // Never installed: it has no folder of its own to keep anything in.
    bool programInstalled() override { return false; }
    std::string documentsDirectory() override { return currentDirectory(); }
    std::string dataDirectory() override { return currentDirectory(); }
    std::string currentDirectory() override;
    std::string clipboardText() override { return {}; }
    std::vector<std::string> drives() override { return {}; }
    bool shellOpen(const std::string&) override { return false; }
    bool openInTextEditor(const std::string&) override { return false; }
    void playSound(const std::string&) override {}
    void pause(int) override {}
    void showMessage(const std::string& text) override;
    // Shows the question and answers Yes, as a user who started the run means it to go on.
    bool ask(const std::string& question) override;
    // A terminal has no file dialog: it names its files on the command line.
    std::string chooseFileToOpen(const std::string&) override { return {}; }
    std::string chooseFileIn(const FileQuestion&) override { return {}; }

private:
    std::ostream& messages_;
};

}  // namespace stapelwerk
