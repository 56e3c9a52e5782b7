#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cadconfig/auto_mapkey.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "workflow/install_auto.h"

namespace stapelwerk::testing {

using Lines = std::vector<std::string>;

inline const char* const kCreated = "Es wurde eine Datei config.pro angelegt";
inline const char* const kAdded = "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !";

// The auto block as the CAD system has to read it, written out in full.
inline const Lines kBlockLines = {
    "! Mapkey zum ausfuehren der doit.pro",
    "mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit zu;\\",
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\\",
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\",
    "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\\",
    "mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate `preferences` `Open`;\\",
    "mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    "mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    "mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut `preferences` `InputOpt`;\\",
    "mapkey(continued) ~ Activate `preferences` `Close`;%doit;",
    "!",
};

class AutoMapkeyTest : public ::testing::Test {
protected:
    // One click of `cmd_auto`, its messages shown as the window shows them; true when the
    // block was appended.
    bool install(const std::string& outputDirectory) {
        const Result<workflow::AutoInstall> prepared =
            workflow::prepareAutoInstall(outputDirectory, platform.programDirectory());
        if (!prepared) {
            platform.showMessage(prepared.message());
            return false;
        }
        if (!prepared->notice.empty()) platform.showMessage(prepared->notice);
        const Result<std::string> installed = workflow::installAutoMapkey(*prepared);
        platform.showMessage(installed ? *installed : installed.message());
        return installed.ok();
    }
    std::string config() const { return readBytes(dir.file("config.pro")); }
    std::string backup() const { return readBytes(dir.file("config.pro.bak")); }
    std::set<std::string> filesInDirectory() const { return filesIn(dir.path()); }
    static std::set<std::string> filesIn(const std::string& directory) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    TempDir dir;
    testing::FakePlatform platform;
};

}  // namespace stapelwerk::testing
