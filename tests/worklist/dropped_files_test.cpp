#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "worklist/confirm.h"
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

// Confirmed, a file whose name holds a ';' is that file, not the one named by its beginning.
TEST(DroppedFiles, ANameWithASemicolonIsOneCell) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("a;b.prt"), "");
    const std::vector<std::string> lines = droppedFileNames({dir.file("a;b.prt")});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(reducedEntry(lines[0]), "a;b.prt");
}

}  // namespace
}  // namespace stapelwerk
