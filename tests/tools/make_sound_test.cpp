#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/TempDir.h"

namespace stapelwerk {
namespace {

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value =
            (value << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return value;
}

// The sound the build made for the program: a short, audible, unclipped PCM wave.
TEST(MadeSound, IsAShortPcmWaveThatCanBeHeard) {
    const std::string bytes = testing::readBytes(STAPELWERK_SOUND_FILE);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(littleEndian(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian(bytes, 20, 2), 1u) << "PCM";
    EXPECT_EQ(littleEndian(bytes, 22, 2), 1u) << "mono";
    const std::uint32_t rate = littleEndian(bytes, 24, 4);
    EXPECT_EQ(littleEndian(bytes, 34, 2), 16u) << "bits per sample";
    EXPECT_EQ(bytes.substr(36, 4), "data");
    const std::uint32_t dataSize = littleEndian(bytes, 40, 4);
    ASSERT_EQ(dataSize, bytes.size() - 44);

    const double seconds = dataSize / 2.0 / rate;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 1.5) << "the dialog closes after four seconds; the sound is a short one";

    int peak = 0;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
        const auto sample = static_cast<std::int16_t>(littleEndian(bytes, at, 2));
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(peak, 8000) << "loud enough to be heard";
    EXPECT_LT(peak, 32767) << "not clipped";
    const auto last = static_cast<std::int16_t>(littleEndian(bytes, bytes.size() - 2, 2));
    EXPECT_LT(std::abs(static_cast<int>(last)), 100) << "fades out without a click";
}

}  // namespace
}  // namespace stapelwerk
