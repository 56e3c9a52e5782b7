#include <gtest/gtest.h>

#include "platform/cp1252.h"

namespace stapelwerk {
namespace {

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::optional<std::string> back = cp1252::encode(cp1252::decode(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, MapsTheWindowsCharactersOfTheHighControlRange) {
    EXPECT_EQ(cp1252::decode("\x80\x9F\xE4"), "€Ÿä");
    EXPECT_EQ(cp1252::encode("€ – „ä“"), std::string("\x80 \x96 \x84\xE4\x93"));
}

TEST(Cp1252, RefusesWhatItCannotHold) {
    EXPECT_FALSE(cp1252::encode("Ω").has_value());
    EXPECT_FALSE(cp1252::encode("teil😀.prt").has_value());
    EXPECT_FALSE(cp1252::encode("\xC3").has_value()) << "truncated UTF-8";
    EXPECT_FALSE(cp1252::encode("\xC0\xAF").has_value()) << "overlong UTF-8";
    EXPECT_TRUE(cp1252::canEncode("Größe ÄÖÜ ß"));
}

TEST(Cp1252, ALineHoldsNoControlCharacterButTheTab) {
    EXPECT_TRUE(cp1252::isLineText("Größe\t€ Ÿ.prt"));
    EXPECT_TRUE(cp1252::isLineText(""));
    for (const std::string& text :
         {std::string("we\0lle", 6), std::string("a\x01"), std::string("\r"), std::string("\n"),
          std::string("\x7F"), std::string("\xC2\x81"), std::string("\xC2\x9F"), std::string("Ω"),
          std::string("\xE4")}) {
        EXPECT_FALSE(cp1252::isLineText(text)) << ::testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace stapelwerk
