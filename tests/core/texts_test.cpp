#include <gtest/gtest.h>

#include "core/texts.h"

namespace stapelwerk {
namespace {

// Regression: a refused line of megabytes was quoted whole, in a message box that took
// seconds to lay out.
TEST(Texts, AMessageNamesALongTextByItsBeginning) {
    EXPECT_NE(texts::messageEntryUnreadable("welle`.prt").find("\"welle`.prt\""),
              std::string::npos);
    const std::string longEntry = std::string(150, 'a') + std::string(100, 'b') + "Größe`";
    const std::string message = texts::messageEntryUnreadable(longEntry);
    EXPECT_NE(message.find("\"" + std::string(150, 'a') + std::string(50, 'b') + "…\""),
              std::string::npos)
        << message;
    std::string longPath;
    for (int i = 0; i < 3000; ++i) longPath += "ä";
    EXPECT_LT(texts::messageFileNotWritten(longPath, "reason").size(), 700u)
        << "two hundred two-byte characters and the words around them";
}

TEST(Texts, ThePreviewSummarySetsThousandsApartByDots) {
    EXPECT_EQ(texts::previewSummary(0, 999), "0 Einträge, 999 Bytes");
    EXPECT_EQ(texts::previewSummary(1000, 123456), "1.000 Einträge, 123.456 Bytes");
    EXPECT_EQ(texts::previewSummary(1000000, 1234567890),
              "1.000.000 Einträge, 1.234.567.890 Bytes");
}

}  // namespace
}  // namespace stapelwerk
