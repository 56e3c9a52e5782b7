#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

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
    std::string currentDirectory() override;
    std::string clipboardText() override;
    std::vector<std::string> drives() override;
    bool shellOpen(const std::string& pathOrAddress) override;
    void playSound(const std::string& fileName) override;
    void pause(int milliseconds) override;
    void showMessage(const std::string& text) override;
    bool ask(const std::string& question) override;
    bool askDefaultNo(const std::string& question) override;

    // The program directory for an executable in `executableDirectory`: that folder where
    // this user can create a file in it, else the user's data directory for the program.
    static std::string programDirectoryFor(const QString& executableDirectory);

protected:
    // The box that ask() shows, Yes its default button, or askDefaultNo(), No.
    std::unique_ptr<QMessageBox> questionBox(
        const std::string& question,
        QMessageBox::StandardButton defaultButton = QMessageBox::Yes) const;

private:
    bool usesSystemStore() const;
    QString settingsFile(const std::string& application) const;

    QString messageTitle_;
    QString settingsDirectory_;
    QWidget* messageParent_ = nullptr;
};

}  // namespace stapelwerk
