#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/os.h"
#include "platform/paths.h"
#include "support/TempDir.h"
#include "support/system.h"

namespace stapelwerk {
namespace {

TEST(Os, TheDesignedDirectoriesOnWindows) {
    const os::CadStartDirectories candidates = os::cadStartDirectories("u123");
    EXPECT_EQ(candidates.first, "C:\\users\\u123\\ProEWildfire3\\");
    EXPECT_EQ(candidates.second, "E:\\users\\u123\\ProEWildfire3\\");
    EXPECT_EQ(os::cadStartDirectories("Jürgen Groß").first,
              "C:\\users\\Jürgen Groß\\ProEWildfire3\\");
    EXPECT_STREQ(os::kExampleDirectory, "C:\\temp");
}

// A backslash goes between, unless the text ends in one or in a slash: never two.
TEST(Os, APathIsJoinedWithABackslash) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\temp", "C:\\temp\\doit.pro"},
        {"C:\\temp\\", "C:\\temp\\doit.pro"},
        {"C:\\", "C:\\doit.pro"},
        {"C:", "C:\\doit.pro"},
        {"\\\\server\\share\\cad", "\\\\server\\share\\cad\\doit.pro"},
        {"\\\\server\\share\\cad\\", "\\\\server\\share\\cad\\doit.pro"},
        {"C:/temp/", "C:/temp/doit.pro"},
        {"C:\\temp/", "C:\\temp/doit.pro"},
        {"C:/", "C:/doit.pro"},
        {"", "\\doit.pro"},
    };
    for (const auto& [directory, path] : cases) {
        EXPECT_EQ(joinFileName(directory, "doit.pro"), path) << directory;
    }
}

TEST(Os, TheLoginNameIsTheSystems) {
    wchar_t buffer[256] = {};
    DWORD length = 256;
    ASSERT_TRUE(GetUserNameW(buffer, &length));
    EXPECT_EQ(os::loginName(), fromPath(std::filesystem::path(std::wstring(buffer))));
    EXPECT_FALSE(os::loginName().empty());
}

TEST(Os, HiddenAndSystemFilesAreLeftOut) {
    testing::TempDir dir;
    for (const char* name : {"plain.prt", ".dot.prt", "hidden.prt", "system.prt"}) {
        testing::writeBytes(dir.file(name), "");
    }
    SetFileAttributesW(toPath(dir.file("hidden.prt")).c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(toPath(dir.file("system.prt")).c_str(), FILE_ATTRIBUTE_SYSTEM);
    EXPECT_FALSE(os::isHidden(toPath(dir.file("plain.prt"))));
    EXPECT_FALSE(os::isHidden(toPath(dir.file(".dot.prt"))));
    EXPECT_TRUE(os::isHidden(toPath(dir.file("hidden.prt"))));
    EXPECT_TRUE(os::isHidden(toPath(dir.file("system.prt"))));
}

// The settings store, under an application name of the test's own, removed afterwards.
class RegistryStore : public ::testing::Test {
protected:
    RegistryStore() : application("Stapelwerk-Test-" + std::to_string(std::random_device()())) {}
    ~RegistryStore() override { RegDeleteTreeW(HKEY_CURRENT_USER, applicationKey().c_str()); }

    std::wstring applicationKey() const {
        return L"Software\\VB and VBA Program Settings\\" + toPath(application).wstring();
    }

    // The value as the registry holds it, read past the store.
    std::wstring rawValue(const std::wstring& section, const std::wstring& key) const {
        wchar_t buffer[512] = {};
        DWORD bytes = sizeof buffer;
        const std::wstring subkey = applicationKey() + L"\\" + section;
        if (RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr,
                         buffer, &bytes) != ERROR_SUCCESS) {
            return L"<missing>";
        }
        return buffer;
    }

    std::string read(const std::string& section, const std::string& key) const {
        return os::readStoredSetting(application, section, key).value_or("<missing>");
    }
    void write(const std::string& section, const std::string& key, const std::string& value) {
        std::error_code error;
        ASSERT_TRUE(os::writeStoredSetting(application, section, key, value, error))
            << error.message();
    }

    const std::string application;
};

TEST_F(RegistryStore, ValuesReadBackExactly) {
    const std::string key = "frm_mapkeyneu.txt_mapkeyname.Text";
    const std::string values[] = {
        "ds",         "C:\\Daten, alt\\",     "", " blanks ", "Größe", "Ωμέγα", "a=b;c",
        "two\nlines", std::string(2000, 'x'),
    };
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        write("Optionen", key, value);
        EXPECT_EQ(read("Optionen", key), value);
    }
    EXPECT_TRUE(os::kHasSettingsStore);
}

TEST_F(RegistryStore, KeysAreStringValuesUnderApplicationAndSection) {
    write("Optionen", "txt_pro", "C:\\temp\\");
    write("Optionen", "frm.Text", "Größe");
    EXPECT_EQ(rawValue(L"Optionen", L"txt_pro"), L"C:\\temp\\");
    EXPECT_EQ(rawValue(L"Optionen", L"frm.Text"), L"Gr\u00f6\u00dfe");
    EXPECT_EQ(rawValue(L"Optionen", L"frm"), L"<missing>") << "a dot is no key separator";
}

TEST_F(RegistryStore, WhatIsNotThereOrNoTextReadsAsNothing) {
    write("Optionen", "txt_pro", "C:\\temp");
    EXPECT_EQ(read("Optionen", "txt_pr"), "<missing>");
    EXPECT_EQ(read("Andere", "txt_pro"), "<missing>");
    EXPECT_EQ(os::readStoredSetting(application + "-other", "Optionen", "txt_pro"), std::nullopt);

    HKEY section = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (applicationKey() + L"\\Optionen").c_str(), 0,
                            KEY_SET_VALUE, &section),
              ERROR_SUCCESS);
    const DWORD number = 42;
    RegSetValueExW(section, L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    RegCloseKey(section);
    EXPECT_EQ(read("Optionen", "number"), "<missing>");
}

}  // namespace
}  // namespace stapelwerk
