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
    bool installed = false;
    std::string documentsDir = "/home/u123/Dokumente";
    // None: nothing is kept between runs unless a test names a directory.
    std::string dataDir;
    std::string currentDir = "/home/u123";
    std::string clipboard;
    std::vector<std::string> driveRoots = {"/"};
    bool shellOpenSucceeds = true;
    bool textEditorOpens = true;

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> answers;
    // The files "chosen" in turn, first to last; none once they are used up.
    std::vector<std::string> filesChosen;
    // The title of every file choice asked for.
    std::vector<std::string> fileChoices;
    std::vector<std::string> shellOpened;
    std::vector<std::string> openedInEditor;
    std::vector<std::string> soundsPlayed;
    std::vector<int> pauses;

    std::string readSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    void writeSetting(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) override;
    std::string loginName() override { return login; }
    std::string programDirectory() override { return programDir; }
    bool programInstalled() override { return installed; }
    std::string documentsDirectory() override { return documentsDir; }
    std::string dataDirectory() override { return dataDir; }
    std::string currentDirectory() override { return currentDir; }
    std::string clipboardText() override { return clipboard; }
    std::vector<std::string> drives() override { return driveRoots; }
    bool shellOpen(const std::string& pathOrAddress) override;
    bool openInTextEditor(const std::string& path) override {
        openedInEditor.push_back(path);
        return textEditorOpens;
    }
    void playSound(const std::string& fileName) override { soundsPlayed.push_back(fileName); }
    void pause(int milliseconds) override { pauses.push_back(milliseconds); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    // Answers from `answers`, first to last; once they are used up, No, as the default
    // button does.
    bool ask(const std::string& question) override;
    std::string chooseFileToOpen(const std::string& title) override;
    // Answered from filesChosen as chooseFileToOpen, the question kept in fileQuestions.
    std::string chooseFileIn(const FileQuestion& question) override;
    std::vector<FileQuestion> fileQuestions;
};

}  // namespace stapelwerk::testing
