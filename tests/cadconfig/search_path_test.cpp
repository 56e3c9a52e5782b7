#include <gtest/gtest.h>

#include "cadconfig/search_path.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using Directories = std::vector<std::string>;

std::optional<std::string> environment(const std::string& name) {
    if (name == "PDM" || name == "PDM_LIB") return "/pdm/" + name;
    return std::nullopt;
}

TEST(SearchPath, AValueIsSplitByTheFirstSeparatorItUses) {
    const struct {
        std::string_view value;
        Directories directories;
    } cases[] = {
        {"/a, /b ,/c", {"/a", "/b", "/c"}},
        {"C:\\my parts;D:\\lib", {"C:\\my parts", "D:\\lib"}},
        {"/a /b\t /c", {"/a", "/b", "/c"}},
        {R"("C:\Program Files\teile" D:\lib)", {"C:\\Program Files\\teile", "D:\\lib"}},
        {R"("/a;b"; /c)", {"/a;b", "/c"}},
        {R"(/a,,"", " /b ")", {"/a", " /b "}},
        {" \t ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitDirectoryList(c.value), c.directories) << c.value;
    }
}

TEST(SearchPath, SearchProListsADirectoryALineWithoutItsComments) {
    EXPECT_EQ(searchProDirectories("! Teile\r\n/a\r\n\"/b c\" ! alt\n\n\"/d!e\"\r%PDM%\\x"),
              (Directories{"/a", "/b c", "/d!e", "%PDM%\\x"}));
}

TEST(SearchPath, VariablesAreTheEnvironmentsAndOneNotSetIsNamed) {
    const struct {
        std::string_view text;
        VariableStyle style;
        std::optional<std::string> expanded;
    } cases[] = {
        {"$PDM/lib", VariableStyle::dollar, "/pdm/PDM/lib"},
        {"$PDM_LIB", VariableStyle::dollar, "/pdm/PDM_LIB"},
        {"/a$/b$", VariableStyle::dollar, "/a$/b$"},
        {"%PDM%\\lib", VariableStyle::percent, "/pdm/PDM\\lib"},
        {"100%%x", VariableStyle::percent, "100%%x"},
        {"$NOPE/lib", VariableStyle::dollar, std::nullopt},
        {"%NOPE%", VariableStyle::percent, std::nullopt},
    };
    for (const auto& c : cases) {
        const Result<std::string> expanded = expandedVariables(c.text, c.style, environment);
        ASSERT_EQ(expanded.ok(), c.expanded.has_value()) << c.text;
        if (expanded) {
            EXPECT_EQ(*expanded, *c.expanded);
        } else {
            EXPECT_NE(expanded.message().find("NOPE"), std::string::npos) << expanded.message();
        }
    }
}

// What the search cannot use is named, not left out unsaid; a config.pro that is not there is
// no fault.
TEST(SearchPath, WhatCannotBeReadIsNamedWithItsReason) {
    const testing::TempDir start;
    testing::writeBytes(start.file("config.pro"),
                        "search_path $NOPE/lib\nsearch_path_file fehlt.pro\n");
    const SearchPath path = readSearchPath({start.file("nirgends.pro"), start.file("config.pro")},
                                           start.path(), environment);
    EXPECT_EQ(path.directories, Directories{});
    ASSERT_EQ(path.notRead.size(), 2U);
    EXPECT_EQ(path.notRead[0].path, "$NOPE/lib");
    EXPECT_EQ(path.notRead[1].path, start.file("fehlt.pro"));
    EXPECT_FALSE(path.notRead[1].reason.empty());
}

}  // namespace
}  // namespace stapelwerk
