// A full disk, which only POSIX lets a test bring about (a file size limit).
#include <gtest/gtest.h>

#include <filesystem>

#include "generate/doit_writer.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(DoitWriter, AFullDiskLeavesTheOldFileIntact) {
    TempDir dir;
    const std::string old = "old doit.pro\r\n";
    writeBytes(dir.file("doit.pro"), old);

    const Result<> result = [&] {
        const testing::FileSizeLimit limit(1024);
        return writeDoitPro(dir.path(), std::string(100000, 'x'));
    }();

    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find("Die Datei ist zu groß"), std::string::npos)
        << result.message();
    EXPECT_EQ(readBytes(dir.file("doit.pro")), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "the partial new file must not stay behind";
}

}  // namespace
}  // namespace stapelwerk
