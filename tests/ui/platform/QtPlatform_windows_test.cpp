// The Qt platform's Windows side: the registry as the settings store, the program's own
// folder with drive letter and backslashes, and the system's shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <random>
#include <regex>

#include "platform/os.h"
#include "platform/paths.h"
#include "support/TempDir.h"
#include "ui/platform/QtPlatform.h"

namespace stapelwerk {
namespace {

TEST(QtPlatformOnWindows, SettingsAreKeptInTheRegistryAcrossARestart) {
    const std::string application = "Stapelwerk-Test-" + std::to_string(std::random_device()());
    QtPlatform("Zinkhorn").writeSetting(application, "Optionen", "txt_pro", "C:\\Daten\\");
    EXPECT_EQ(QtPlatform("Zinkhorn").readSetting(application, "Optionen", "txt_pro", "-"),
              "C:\\Daten\\");
    EXPECT_EQ(os::readStoredSetting(application, "Optionen", "txt_pro"), "C:\\Daten\\")
        << "under HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings";
    RegDeleteTreeW(
        HKEY_CURRENT_USER,
        (L"Software\\VB and VBA Program Settings\\" + toPath(application).wstring()).c_str());
}

TEST(QtPlatformOnWindows, TheProgramDirectoryIsTheExesFolderWithADriveLetter) {
    const std::string directory = QtPlatform("Zinkhorn").programDirectory();
    EXPECT_EQ(directory,
              QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString());
    EXPECT_TRUE(std::regex_match(directory, std::regex(R"([A-Z]:\\[^/]*)"))) << directory;
}

TEST(QtPlatformOnWindows, ShellOpenTellsWhenThereIsNothingToOpen) {
    testing::TempDir dir;
    EXPECT_FALSE(QtPlatform("Zinkhorn").shellOpen(dir.file("fehlt.pro")));
}

}  // namespace
}  // namespace stapelwerk
