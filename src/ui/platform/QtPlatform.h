#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>
#include <optional>

#include "platform/platform.h"

class QWidget;

namespace stapelwerk {

// The platform as the program uses it: Qt and the operating system.
class QtPlatform : public Platform {
public:
    // Message boxes carry `messageTitle`. Settings go to the system's per-user store; a
    // non-empty `settingsDirectory` puts them into INI files there instead.
    explicit QtPlatform(QString messageTitle, QString settingsDirectory = {});
    ~QtPlatform() override;

    // Parent window of the message boxes.
    void setMessageParent(QWidget* parent);

    std::string readSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    void writeSetting(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) override;
    std::string loginName() override;
    std::string programDirectory() override;
    bool programInstalled() override;
    std::string documentsDirectory() override;
    std::string dataDirectory() override;
    std::string currentDirectory() override;
    std::string clipboardText() override;
    std::vector<std::string> drives() override;
    bool shellOpen(const std::string& pathOrAddress) override;
    bool openInTextEditor(const std::string& path) override;
    void playSound(const std::string& fileName) override;
    void pause(int milliseconds) override;
    void showMessage(const std::string& text) override;
    bool ask(const std::string& question) override;
    std::string chooseFileToOpen(const std::string& title) override;
    std::string chooseFileIn(const FileQuestion& question) override;

    // Whether an executable in `executableDirectory` is installed (isInstallation): only a
    // file really made there tells whether this user may write there; on Windows a folder's
    // attributes say nothing of the access list that protects C:\Program Files.
    static bool installedAt(const QString& executableDirectory);

protected:
    // The box that ask() shows, No its default and Escape button.
    std::unique_ptr<QMessageBox> questionBox(const std::string& question) const;

private:
    bool usesSystemStore() const;
    QString settingsFile(const std::string& application) const;

    QString messageTitle_;
    QString settingsDirectory_;
    QWidget* messageParent_ = nullptr;
    std::optional<bool> installed_;
};

}  // namespace stapelwerk
