#include "ui/platform/QtPlatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>

#include "platform/os.h"
#include "platform/sound_file.h"
#include "ui/platform/SoundModule.h"

namespace stapelwerk {

namespace {
QString qt(const std::string& text) { return QString::fromStdString(text); }

// Where the program's own files lie, seen from its executable: beside it in the build
// (and on Windows), in the data and module directories once installed.
QString besideProgram(const char* relative) {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + relative);
}

// The sound player of the sound module, loaded at the first sound; null when there is
// no module (the program then stays silent).
PlaySoundFunction soundPlayer() {
    static const PlaySoundFunction player = [] {
        for (const QString& directory : {QCoreApplication::applicationDirPath(),
                                         besideProgram(STAPELWERK_MODULES_FROM_PROGRAM)}) {
            QLibrary module(directory + "/" + kSoundModuleName);
            if (auto play = reinterpret_cast<PlaySoundFunction>(module.resolve(kPlaySoundSymbol))) {
                return play;
            }
        }
        return PlaySoundFunction{};
    }();
    return player;
}

QString sectionKey(const std::string& section, const std::string& key) {
    return qt(section) + "/" + qt(key);
}
}  // namespace

QtPlatform::QtPlatform(QString messageTitle, QString settingsDirectory)
    : messageTitle_(std::move(messageTitle)), settingsDirectory_(std::move(settingsDirectory)) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::setMessageParent(QWidget* parent) { messageParent_ = parent; }

QString QtPlatform::settingsFile(const std::string& application) const {
    QString directory = settingsDirectory_;
    if (directory.isEmpty()) {
        directory = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
    return directory + "/" + qt(application) + ".ini";
}

// The system's own store (the registry on Windows), unless the settings are to go to INI
// files in a directory of their own.
bool QtPlatform::usesSystemStore() const {
    return os::kHasSettingsStore && settingsDirectory_.isEmpty();
}

std::string QtPlatform::readSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& fallback) {
    if (usesSystemStore()) {
        return os::readStoredSetting(application, section, key).value_or(fallback);
    }
    const QSettings settings(settingsFile(application), QSettings::IniFormat);
    const QVariant value = settings.value(sectionKey(section, key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

// A setting that cannot be kept costs the user only a default at the next start.
void QtPlatform::writeSetting(const std::string& application, const std::string& section,
                              const std::string& key, const std::string& value) {
    if (usesSystemStore()) {
        std::error_code ignored;
        os::writeStoredSetting(application, section, key, value, ignored);
        return;
    }
    QSettings settings(settingsFile(application), QSettings::IniFormat);
    // Each change rewrites and syncs the whole file: at every close, for nothing, otherwise.
    if (settings.value(sectionKey(section, key)) == qt(value)) return;
    settings.setValue(sectionKey(section, key), qt(value));
}

std::string QtPlatform::loginName() { return os::loginName(); }

// The program keeps its own files (the value list) beside itself, as it always has; an
// installed program cannot write there (/usr/bin, C:\Program Files), so it keeps them
// in the user's data directory for it instead. Only a file really made tells: on Windows
// a folder's attributes say nothing of the access list that protects C:\Program Files.
std::string QtPlatform::programDirectoryFor(const QString& executableDirectory) {
    QString directory = executableDirectory;
    if (!QTemporaryFile(directory + "/.stapelwerk-probe-XXXXXX").open()) {
        directory = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        QDir().mkpath(directory);
    }
    return QDir::toNativeSeparators(directory).toStdString();
}

std::string QtPlatform::programDirectory() {
    return programDirectoryFor(QCoreApplication::applicationDirPath());
}

std::string QtPlatform::currentDirectory() {
    return QDir::toNativeSeparators(QDir::currentPath()).toStdString();
}

std::string QtPlatform::clipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->text().toStdString() : std::string();
}

std::vector<std::string> QtPlatform::drives() {
    std::vector<std::string> roots;
    // A drive that is not ready (an empty card reader) is listed too: choosing
    // it tells the user so, instead of the drive silently missing.
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid()) {
            roots.push_back(QDir::toNativeSeparators(volume.rootPath()).toStdString());
        }
    }
    return roots;
}

bool QtPlatform::shellOpen(const std::string& pathOrAddress) {
    if (os::kHasSystemShell) return os::openWithSystem(pathOrAddress);
    const QString target = qt(pathOrAddress);
    const QUrl url = target.contains("://") ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

void QtPlatform::playSound(const std::string& fileName) {
    const std::string path = findSoundFile(
        fileName, currentDirectory(),
        {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(),
         QDir::toNativeSeparators(besideProgram(STAPELWERK_DATA_FROM_PROGRAM)).toStdString()});
    if (path.empty()) return;
    if (os::kHasSystemShell) {
        os::playSoundFile(path);
        return;
    }
    if (const PlaySoundFunction play = soundPlayer()) play(path.c_str());
}

void QtPlatform::pause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

std::unique_ptr<QMessageBox> QtPlatform::questionBox(
    const std::string& question, QMessageBox::StandardButton defaultButton) const {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, messageTitle_, qt(question),
                                             QMessageBox::Yes | QMessageBox::No, messageParent_);
    box->setDefaultButton(defaultButton);
    return box;
}

bool QtPlatform::ask(const std::string& question) {
    return questionBox(question)->exec() == QMessageBox::Yes;
}

bool QtPlatform::askDefaultNo(const std::string& question) {
    return questionBox(question, QMessageBox::No)->exec() == QMessageBox::Yes;
}

void QtPlatform::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, messageTitle_, qt(text), QMessageBox::Ok, messageParent_);
    box.exec();
}

}  // namespace stapelwerk
