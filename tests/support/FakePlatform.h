#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"

namespace stapelwerk::testing {

// A platform that answers from its fields and records what the program asked of it.
class FakePlatform : public Platform {
public:
    using SettingKey = std::tuple<std::string, std::string, std::string>;

    std::map<SettingKey, std::string> settings;
    std::string login = "u123";
    std::string programDir = "/opt/stapelwerk";
    std::string currentDir = "/home/u123";
    std::string clipboard;
    std::vector<std::string> driveRoots = {"/"};
    bool shellOpenSucceeds = true;

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> answers;
    std::vector<std::string> shellOpened;
    std::vector<std::string> soundsPlayed;
    std::vector<int> pauses;

    std::string readSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    void writeSetting(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) override;
    std::string loginName() override { return login; }
    std::string programDirectory() override { return programDir; }
    std::string currentDirectory() override { return currentDir; }
    std::string clipboardText() override { return clipboard; }
    std::vector<std::string> drives() override { return driveRoots; }
    bool shellOpen(const std::string& pathOrAddress) override;
    void playSound(const std::string& fileName) override { soundsPlayed.push_back(fileName); }
    void pause(int milliseconds) override { pauses.push_back(milliseconds); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    // Answers from `answers`, first to last; Yes once they are used up.
    bool ask(const std::string& question) override;
    bool askDefaultNo(const std::string& question) override { return ask(question); }
};

}  // namespace stapelwerk::testing
