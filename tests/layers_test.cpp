// The layers of src/ point one way. Each folder has its rank; a file includes its own
// folder and folders of a lower rank, never one beside or above it. Qt stays in ui/, and
// the windows share the job and the platform, not each other.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kRankOfFolder = {
    {"platform", 0}, {"core", 1},   {"worklist", 2}, {"cadconfig", 2}, {"generate", 2},
    {"app", 2},      {"params", 3}, {"workflow", 4}, {"batch", 5},     {"ui", 5},
};

struct Include {
    std::string text;
    bool angled;
};

std::vector<Include> includesOf(const fs::path& file) {
    static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> includes;
    std::ifstream in(file);
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, match, kInclude))
            includes.push_back({match[2], match[1] == "<"});
    }
    return includes;
}

std::string firstFolder(const std::string& path) { return path.substr(0, path.find('/')); }

TEST(Layers, EveryIncludePointsDown) {
    const fs::path source = fs::path(STAPELWERK_SOURCE_DIR) / "src";
    int filesChecked = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
        const fs::path& file = entry.path();
        if (file.extension() != ".cpp" && file.extension() != ".h") continue;
        const std::string relative = fs::relative(file, source).generic_string();
        const std::string folder = firstFolder(relative);
        ASSERT_TRUE(kRankOfFolder.contains(folder)) << "a folder without a rank: " << folder;
        ++filesChecked;
        for (const Include& include : includesOf(file)) {
            SCOPED_TRACE(relative + " includes " + include.text);
            if (include.angled) {
                EXPECT_TRUE(folder == "ui" || !include.text.starts_with("Q")) << "Qt outside ui/";
                continue;
            }
            const std::string target = firstFolder(include.text);
            ASSERT_TRUE(kRankOfFolder.contains(target)) << "an include of no folder";
            EXPECT_TRUE(target == folder || kRankOfFolder.at(target) < kRankOfFolder.at(folder))
                << "an include that points sideways or up";
            EXPECT_FALSE(include.text.starts_with("ui/app/") && !relative.starts_with("ui/app/"))
                << "a window that includes the main window's folder";
        }
    }
    EXPECT_GT(filesChecked, 50) << "the sources were not found";
}

}  // namespace
