// The layers of src/ point one way: the platform at the bottom, then the core beside the
// widget kit, then the features, then the workflows of the features, which their dialogs,
// app/ and the command line call. A file may only include what lies at or below its own
// layer.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::set<std::string> kFeatures = {"generate", "worklist", "params", "cadconfig"};

// By the project's naming, a file whose name starts in lower case belongs to the core,
// which is standard C++ only; a main() belongs to its program.
bool isCoreFile(const fs::path& file) {
    const std::string name = file.filename().string();
    return std::islower(static_cast<unsigned char>(name.front())) && file.stem() != "main";
}

// What the files of each folder of src/ may include of ours: the features use one
// another, the core, the platform and the widget kit; the command line has no widgets.
// The workflows stand on the features' core files and are what their dialogs call.
std::set<std::string> mayInclude(const fs::path& file, const std::string& folder) {
    if (folder == "platform") return {"platform"};
    if (folder == "core" || folder == "widgets") return {"platform", folder};
    std::set<std::string> allowed = kFeatures;
    allowed.insert({"platform", "core", folder});
    if (folder == "workflow") return allowed;
    if (folder != "batch") allowed.insert("widgets");
    if (folder == "app" || folder == "batch" || !isCoreFile(file)) allowed.insert("workflow");
    if (folder == "app" || folder == "batch" || kFeatures.contains(folder)) return allowed;
    return {};
}

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

TEST(Layers, EveryIncludePointsDownOrSideways) {
    const fs::path source = fs::path(STAPELWERK_SOURCE_DIR) / "src";
    int filesChecked = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
        const fs::path& file = entry.path();
        if (file.extension() != ".cpp" && file.extension() != ".h") continue;
        const std::string folder = fs::relative(file, source).begin()->string();
        const std::set<std::string> allowed = mayInclude(file, folder);
        ASSERT_FALSE(allowed.empty()) << "a folder without rules: " << folder;
        ++filesChecked;
        for (const Include& include : includesOf(file)) {
            SCOPED_TRACE(fs::relative(file, source).string() + " includes " + include.text);
            if (include.angled) {
                EXPECT_FALSE(isCoreFile(file) && include.text.starts_with("Q"))
                    << "a core file includes Qt";
                continue;
            }
            const std::string target = include.text.substr(0, include.text.find('/'));
            EXPECT_TRUE(allowed.contains(target)) << "an include that points up";
            const std::string name = fs::path(include.text).filename().string();
            EXPECT_FALSE(isCoreFile(file) && std::isupper(static_cast<unsigned char>(name.front())))
                << "a core file includes a widget";
        }
    }
    EXPECT_GT(filesChecked, 50) << "the sources were not found";
}

}  // namespace
