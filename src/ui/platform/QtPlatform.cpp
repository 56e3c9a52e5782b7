#include "ui/platform/QtPlatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>

#include "app/program_place.h"
#include "core/ini_settings.h"
#include "core/texts.h"
#include "platform/os.h"
#include "platform/sound_file.h"
#include "platform/text_file.h"
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
    const Result<std::string> file = readFileBytes(settingsFile(application).toStdString());
    if (!file) return fallback;
    return ini::valueOf(*file, section, key).value_or(fallback);
}

// A setting that cannot be kept costs the user only a default at the next start; the
// message says so.
void QtPlatform::writeSetting(const std::string& application, const std::string& section,
                              const std::string& key, const std::string& value) {
    if (usesSystemStore()) {
        std::error_code ignored;
        os::writeStoredSetting(application, section, key, value, ignored);
        return;
    }
    const QString file = settingsFile(application);
    // Each change rewrites and syncs the whole file: at every close, for nothing, otherwise.
    if (const Result<std::string> old = readFileBytes(file.toStdString());
        old && ini::valueOf(*old, section, key) == value) {
        return;
    }
    QDir().mkpath(QFileInfo(file).path());
    ReplaceStep failed = ReplaceStep::file;
    const Result<> written = updateFile(
        file.toStdString(),
        [&](ByteSink& sink, std::string_view current) {
            sink.write(ini::withValue(current, section, key, value));
        },
        {}, failed);
    if (!written) {
        showMessage(texts::messageSettingNotSaved(QDir::toNativeSeparators(file).toStdString(),
                                                  texts::reasonOf(written)));
    }
}

std::string QtPlatform::loginName() { return os::loginName(); }

std::string QtPlatform::programDirectory() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

bool QtPlatform::installedAt(const QString& executableDirectory) {
    const bool writable = QTemporaryFile(executableDirectory + "/.stapelwerk-probe-XXXXXX").open();
    return isInstallation(QDir::toNativeSeparators(executableDirectory).toStdString(), writable,
                          os::userProgramsDirectory());
}

bool QtPlatform::programInstalled() {
    if (!installed_) installed_ = installedAt(QCoreApplication::applicationDirPath());
    return *installed_;
}

std::string QtPlatform::documentsDirectory() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString directory = QDir(documents).exists() ? documents : QDir::homePath();
    return QDir::toNativeSeparators(directory).toStdString();
}

std::string QtPlatform::dataDirectory() {
    const QString directory =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(directory);
    return QDir::toNativeSeparators(directory).toStdString();
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

bool QtPlatform::openInTextEditor(const std::string& path) {
    for (const std::string_view editor : os::kTextEditors) {
        const QString program = QStandardPaths::findExecutable(QString::fromUtf8(editor));
        if (!program.isEmpty() && QProcess::startDetached(program, {qt(path)})) return true;
    }
    return false;
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

std::unique_ptr<QMessageBox> QtPlatform::questionBox(const std::string& question) const {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, messageTitle_, qt(question),
                                             QMessageBox::Yes | QMessageBox::No, messageParent_);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool QtPlatform::ask(const std::string& question) {
    return questionBox(question)->exec() == QMessageBox::Yes;
}

// Every file is offered: a list comes as .txt, .csv, .tsv or with no extension at all. Without
// a directory Qt starts where its last file dialog ended.
std::string QtPlatform::chooseFileToOpen(const std::string& title) {
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(messageParent_, qt(title)))
        .toStdString();
}

std::string QtPlatform::chooseFileIn(const FileQuestion& question) {
    const QString chosen =
        question.toSave ? QFileDialog::getSaveFileName(messageParent_, qt(question.title),
                                                       qt(question.directory), qt(question.filter))
                        : QFileDialog::getOpenFileName(messageParent_, qt(question.title),
                                                       qt(question.directory), qt(question.filter));
    return QDir::toNativeSeparators(chosen).toStdString();
}

void QtPlatform::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, messageTitle_, qt(text), QMessageBox::Ok, messageParent_);
    box.exec();
}

}  // namespace stapelwerk
