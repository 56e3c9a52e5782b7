#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sound_file.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::TempDir;
using testing::writeBytes;

class SoundFile : public ::testing::Test {
protected:
    std::string find() {
        return findSoundFile("MAPKEY.WAV", current.path(), {build.path(), data.path()});
    }

    TempDir current;
    TempDir build;
    TempDir data;
};

TEST_F(SoundFile, TheUsersFileInTheCurrentDirectoryComesFirst) {
    writeBytes(current.file("MAPKEY.WAV"), "RIFF");
    writeBytes(data.file("MAPKEY.WAV"), "RIFF");
    EXPECT_EQ(find(), current.file("MAPKEY.WAV"));
}

TEST_F(SoundFile, FallsBackToTheProgramsOwnCopyInOrder) {
    writeBytes(data.file("MAPKEY.WAV"), "RIFF");
    EXPECT_EQ(find(), data.file("MAPKEY.WAV"));
    writeBytes(build.file("MAPKEY.WAV"), "RIFF");
    EXPECT_EQ(find(), build.file("MAPKEY.WAV"));
}

TEST_F(SoundFile, ADirectoryOfThatNameIsNoSound) {
    std::filesystem::create_directory(current.file("MAPKEY.WAV"));
    writeBytes(build.file("MAPKEY.WAV"), "RIFF");
    EXPECT_EQ(find(), build.file("MAPKEY.WAV"));
}

TEST_F(SoundFile, NoFileAnywhereStaysSilent) {
    EXPECT_EQ(find(), "");
    EXPECT_EQ(findSoundFile("MAPKEY.WAV", current.file("missing"), {}), "");
}

}  // namespace
}  // namespace stapelwerk
