#include <gtest/gtest.h>

#include "cadconfig/defined_mapkeys.h"
#include "generate/mapkey_chain.h"
#include "support/ScopedHome.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using Names = std::vector<std::string>;

// Continued lines, comments, the mapkey auto and a commented-out definition.
constexpr std::string_view kConfigPro =
    "! Mapkeys fuer Zeichnungen\r\n"
    "mapkey ds @MAPKEY_NAMEZeichnung speichern;@MAPKEY_LABELSpeichern;\\\r\n"
    "mapkey(continued) ~ Command `ProCmdDwgSave`;\r\n"
    "  MAPKEY\tbb ~ Command `ProCmdRegen`;\\\r\n"
    "mapkey(continued) @MAPKEY_LABELNeu generieren;\r\n"
    "! mapkey 00 @MAPKEY_NAMEauskommentiert;\r\n"
    "!mapkey xx ~ Command `x`;\r\n"
    "mapkey(continued) @MAPKEY_NAMEgehört zu keinem;\r\n"
    "mapkey auto @MAPKEY_NAMEruft doit.pro auf;\\\r\n"
    "mapkey(continued) ~ Activate `preferences` `Close`;%doit;\r\n"
    "mapkey + ~ Command `ProCmdWinActivate`;\r\n"
    "mapkeyzz ~ Command `x`;\r\n"
    "mapkey nothing_after\r\n"
    "display_full_path yes\r\n";

TEST(DefinedMapkeys, OfASmallConfigPro) {
    const std::vector<DefinedMapkey> expected = {{"ds", "Zeichnung speichern"},
                                                 {"bb", "Neu generieren"},
                                                 {"auto", "ruft doit.pro auf"},
                                                 {"+", ""}};
    EXPECT_EQ(definedMapkeys(kConfigPro), expected);
}

// A config.pro written on UNIX, or by an editor that writes LF, is read as the CAD system
// reads it.
TEST(DefinedMapkeys, LfCrLfAndALoneCrEachEndALine) {
    const std::vector<DefinedMapkey> expected = definedMapkeys(kConfigPro);
    for (const std::string_view lineEnd : {"\n", "\r"}) {
        std::string bytes(kConfigPro);
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
             at = bytes.find("\r\n", at + lineEnd.size())) {
            bytes.replace(at, 2, lineEnd);
        }
        EXPECT_EQ(definedMapkeys(bytes), expected) << ::testing::PrintToString(bytes);
    }
}

TEST(DefinedMapkeys, ChainNamesAgainstTheConfigPro) {
    struct Case {
        std::string_view chain;
        Names names;
    };
    const Case cases[] = {
        {"+;%bb;%00", {"+", "bb", "00"}},
        {"+;%bb;%00;", {"+", "bb", "00"}},
        {"ds", {"ds"}},
        {"", {""}},
        {"ds;~ Command `x`;%xx", {"ds", "xx"}},
    };
    Names defined;
    for (const DefinedMapkey& mapkey : definedMapkeys(kConfigPro)) defined.push_back(mapkey.name);
    for (const Case& c : cases) {
        EXPECT_EQ(mapkeyNamesOfChain(c.chain), c.names) << c.chain;
    }
    EXPECT_EQ(defined, (Names{"ds", "bb", "auto", "+"})) << "00 and xx are commented out";
}

TEST(DefinedMapkeys, ALaterFileWinsAndAnUnreadFileIsSaid) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("home.pro"), "mapkey ds @MAPKEY_NAMEalt;\r\nmapkey hh x\r\n");
    testing::writeBytes(dir.file("start.pro"), "mapkey ds @MAPKEY_NAMEneu;\r\n");
    const KnownMapkeys known =
        readKnownMapkeys({dir.file("home.pro"), dir.file("start.pro"), dir.file("none.pro")});
    EXPECT_TRUE(known.looked);
    EXPECT_EQ(known.mapkeys, (std::vector<DefinedMapkey>{{"ds", "neu"}, {"hh", ""}}));
    ASSERT_EQ(known.unread.size(), 1U);
    EXPECT_EQ(known.unread[0].path, dir.file("none.pro"));
    EXPECT_FALSE(readKnownMapkeys({dir.file("none.pro")}).looked);
}

TEST(DefinedMapkeys, TheStartDirectoryAndTheHomeDirectory) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the home directory from USERPROFILE, not HOME";
#endif
    testing::TempDir home;
    const testing::ScopedHome scoped(home.path());
    testing::TempDir start;
    EXPECT_EQ(startConfigPaths(start.path(), "/program"),
              (Names{home.file("config.pro"), start.file("config.pro")}));
    EXPECT_EQ(startConfigPaths(home.path(), "/program"), Names{home.file("config.pro")});
}

}  // namespace
}  // namespace stapelwerk
