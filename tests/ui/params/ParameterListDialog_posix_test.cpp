// A full disk, made by RLIMIT_FSIZE, and a FIFO, which only POSIX has.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/texts.h"
#include "support/FileSizeLimit.h"
#include "ui/params/ParameterListDialog_fixture.h"

namespace stapelwerk {
namespace {

using testing::ParameterListDialogTest;
using testing::readBytes;
using testing::Values;
using testing::writeBytes;

TEST_F(ParameterListDialogTest, AFullDiskKeepsTheOldListFile) {
    writeBytes(listFile(), "old\r\n");
    setValues(Values(1000, "Stahl"));
    {
        const testing::FileSizeLimit limit(1024);
        clickPicture("save");
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Die Datei ist zu groß"), std::string::npos);
    EXPECT_EQ(readBytes(listFile()), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(programDir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "the partial new file must not stay behind";
    EXPECT_EQ(values().size(), 1000u);
}

// The window does not freeze on a FIFO that stands in the list file's place.
TEST_F(ParameterListDialogTest, AListFileThatIsAFifoIsSaidToBeOneAndTheListStays) {
    ASSERT_EQ(::mkfifo(listFile().c_str(), 0600), 0);
    setValues({"Stahl"});
    press("open");
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{texts::messageFileNotRead(listFile(), texts::kReasonPipe)});
    EXPECT_EQ(values(), Values{"Stahl"});
}

}  // namespace
}  // namespace stapelwerk
