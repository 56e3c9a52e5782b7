#include <gtest/gtest.h>

#include <string>

#include "generate/templates.h"

namespace stapelwerk {
namespace {

struct TemplateShape {
    const char* name;
    std::string_view text;
    std::size_t length;
    std::size_t lines;
};

// The lengths and line counts are fixed by the CAD system's reading of the
// file: a slip of one blank changes them.
TEST(Templates, HaveTheirFixedLengthsAndLineCounts) {
    const TemplateShape shapes[] = {
        {"txt_kopf", templates::txt_kopf, 18, 1},
        {"txt_open", templates::txt_open, 216, 3},
        {"txt_end", templates::txt_end, 23, 1},
        {"txt_SaveAs", templates::txt_SaveAs, 495, 7},
        {"txt_ParamNeu", templates::txt_ParamNeu, 1008, 15},
        {"txt_ploesch", templates::txt_ploesch, 970, 14},
        {"txt_mapkeyneu", templates::txt_mapkeyneu, 517, 9},
    };
    for (const TemplateShape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        EXPECT_EQ(shape.text.size(), shape.length);
        std::size_t lineEnds = 0;
        for (std::size_t i = shape.text.find("\r\n"); i != std::string_view::npos;
             i = shape.text.find("\r\n", i + 2)) {
            ++lineEnds;
        }
        EXPECT_EQ(lineEnds, shape.lines);
        EXPECT_TRUE(shape.text.ends_with("\r\n"));
        EXPECT_EQ(shape.text.find('\n'), shape.text.find("\r\n") + 1) << "a lone LF";
    }
}

TEST(Templates, PlaceholdersOccurAsOften) {
    const auto count = [](std::string_view text, std::string_view word) {
        int n = 0;
        for (std::size_t i = text.find(word); i != std::string_view::npos;
             i = text.find(word, i + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count(templates::txt_SaveAs, templates::kSaveAsName), 1);
    EXPECT_EQ(count(templates::txt_ParamNeu, templates::kParameterName), 2);
    EXPECT_EQ(count(templates::txt_ploesch, templates::kDeletedParameter), 1);
    EXPECT_EQ(count(templates::txt_mapkeyneu, templates::kMapkeyChain), 1);
}

TEST(Templates, OpenBlockEndsInTheBacktickBeforeTheFileName) {
    EXPECT_EQ(templates::openBlock().size(), 214u);
    EXPECT_TRUE(templates::openBlock().ends_with("`Inputname` `"));
}

}  // namespace
}  // namespace stapelwerk
