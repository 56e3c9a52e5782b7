#include <gtest/gtest.h>

#include "core/check_rules.h"
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

// Lists of marks or names read as German writes them, however many the rules hold.
TEST(Texts, ListsJoinTheirLastItemAsASentenceDoes) {
    const struct {
        std::string text;
        std::string_view says;
    } cases[] = {
        {texts::findingParameterNameCharacters("_"), "als Buchstaben, Ziffern und \"_\":"},
        {texts::findingModelNameCharacters("_-."),
         "als Buchstaben, Ziffern, \"_\", \"-\" und \".\", etwa"},
        {texts::findingModelNameStart("-"), "mit \"-\":"},
        {texts::findingModelNameStart("-_."), "mit \"-\" oder \"_\" oder \".\":"},
        {texts::chainUndefinedNote({"xx"}), "Nicht definiert: \"xx\""},
        {texts::chainUndefinedNote({"xx", "00", "pdf"}),
         "Nicht definiert: \"xx\", \"00\", \"pdf\""},
        {texts::usageDetailNotExpected({"a", "", "b"}), "nicht erwartet: a  b"},
    };
    for (const auto& c : cases) EXPECT_NE(c.text.find(c.says), std::string::npos) << c.text;
}

// A template and the function that fills it go together: no placeholder is left over.
TEST(Texts, EveryComposedTextIsFilledWhole) {
    std::string info;
    for (const std::string& line : texts::infoTextLines()) info += line + "\n";
    const std::string composed[] = {
        info,
        texts::batchHelp(),
        texts::messageBatchUsageError("S", ""),
        texts::messageBatchUsageError("S", "D"),
        texts::messagePasteTooLarge(),
        texts::messageStandardInputTooLarge(texts::kNothingSaved),
        texts::messageOutputDirectoryMissing("P", "R", texts::kNothingChecked),
        texts::messageListEmpty("P", texts::kNothingChecked),
        texts::messageBatchWritten("P", "save-as", 3),
        texts::findingUnknownModelType(kCheckRules.modelTypes),
        texts::findingEntryLike("E", "F"),
        texts::reasonInputTooLarge(),
        texts::reasonLinkNotFollowed("L"),
        texts::messageConfigProBackupNotWritten("P", "R"),
        texts::valuesOfParts({"welle.prt"}, {"Stahl"}, 2),
        texts::findingText("H", {"a"}, 3),
    };
    for (const std::string& text : composed) {
        for (char number = '1'; number <= '9'; ++number) {
            EXPECT_EQ(text.find(std::string{'%', number}), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace stapelwerk
