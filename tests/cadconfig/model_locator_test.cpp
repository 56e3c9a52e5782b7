#include <gtest/gtest.h>

#include <filesystem>

#include "cadconfig/model_locator.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::writeBytes;

// A working directory and three search directories: one relative, one through a variable and
// quoted for its blank, one from search.pro.
class ModelLocatorTest : public ::testing::Test {
protected:
    ModelLocatorTest() {
        for (const char* directory : {"work", "lib_a", "lib b", "lib_c", "lib_d"}) {
            std::filesystem::create_directory(root.file(directory));
        }
        writeBytes(root.file("work/config.pro"),
                   "search_path ../lib_a, \"$TEILE/lib b\" ! blank quoted\n"
                   "search_path_file search.pro\n");
        writeBytes(root.file("work/search.pro"), "! Normteile\r\n" + root.file("lib_c") + "\r\n");
        for (const char* file :
             {"work/Welle.PRT.2", "lib_a/welle.prt.7", "lib_a/flansch.prt", "lib_a/flansch.prt.3",
              "lib_a/flansch.prt.12", "lib b/NUT.PRT", "lib b/deckel.asm.1", "lib_c/achse.prt.5",
              "lib_c/welle.prt.9", "lib_d/fehlt.prt.1", "work/doit.pro"}) {
            writeBytes(root.file(file), "");
        }
    }

    ModelLocations located(const std::vector<std::string>& names) {
        const std::string work = root.file("work");
        const SearchPath searchPath =
            readSearchPath({root.file("home.pro"), root.file("work/config.pro")}, work,
                           [this](const std::string& name) {
                               return name == "TEILE" ? std::optional(root.path()) : std::nullopt;
                           });
        return locateModels(names, work, searchPath, [](std::size_t, std::size_t) { return true; });
    }

    testing::TempDir root;
};

TEST_F(ModelLocatorTest, EachNameIsTheNewestFileOfTheFirstPlaceThatHasIt) {
    const struct {
        std::string name;
        std::string file;  // in the root; empty: found nowhere
        std::uint32_t version;
        std::vector<std::string> alsoIn;
    } cases[] = {
        {"welle.prt", "work/Welle.PRT.2", 2, {"lib_a", "lib_c"}},
        {"FLANSCH.prt", "lib_a/flansch.prt.12", 12, {}},
        {"Deckel.asm", "lib b/deckel.asm.1", 1, {}},
        {"nut.prt", "lib b/NUT.PRT", kNoVersion, {}},
        {"achse.prt", "lib_c/achse.prt.5", 5, {}},
        {"fehlt.prt", "", 0, {}},
        {"doit", "", 0, {}},
        {"WELLE.PRT", "work/Welle.PRT.2", 2, {"lib_a", "lib_c"}},  // one name, written twice
    };
    std::vector<std::string> names;
    for (const auto& c : cases) names.push_back(c.name);
    const ModelLocations found = located(names);
    ASSERT_EQ(found.places.size(), 4U);
    EXPECT_EQ(found.notRead, std::vector<PlaceNotRead>{});
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.name);
        ASSERT_EQ(found.found(i), !c.file.empty());
        std::vector<std::string> alsoIn;
        for (const auto& [entry, place] : found.foundAgain) {
            if (entry == i)
                alsoIn.push_back(std::filesystem::path(found.places[place]).filename().string());
        }
        EXPECT_EQ(alsoIn, c.alsoIn);
        if (c.file.empty()) continue;
        EXPECT_EQ(found.pathOf(i), root.file(c.file));
        EXPECT_EQ(found.versionOf(i), c.version);
    }
}

// A directory named twice, or the working directory named again, is read once and found once.
TEST_F(ModelLocatorTest, APlaceNamedTwiceIsOnePlace) {
    writeBytes(root.file("work/config.pro"),
               "search_path . ../lib_a ../work\n"
               "search_path ../lib_a/, ../nirgends\n");
    const ModelLocations found = located({"welle.prt"});
    EXPECT_EQ(found.places.size(), 3U);
    EXPECT_EQ(found.foundAgain.size(), 1U);
    ASSERT_EQ(found.notRead.size(), 1U);
    EXPECT_EQ(found.notRead[0].path, root.file("nirgends"));
}

}  // namespace
}  // namespace stapelwerk
