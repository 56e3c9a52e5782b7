#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "worklist/dropped_files.h"

namespace stapelwerk {
namespace {

TEST(DroppedFiles, FilesGiveTheirNamesInOrderAndFoldersNothing) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("welle.prt.2"), "");
    testing::writeBytes(dir.file("Größe.drw"), "");
    std::filesystem::create_directory(dir.file("Baugruppe.asm"));
    EXPECT_EQ(droppedFileNames({dir.file("welle.prt.2"), dir.file("Baugruppe.asm"),
                                dir.file("gone.prt"), dir.file("Größe.drw")}),
              (std::vector<std::string>{"welle.prt.2", "Größe.drw"}));
}

}  // namespace
}  // namespace stapelwerk
