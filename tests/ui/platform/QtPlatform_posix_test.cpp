#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/system.h"
#include "ui/platform/QtPlatform.h"

namespace stapelwerk {
namespace {

// The platform with its messages kept, not shown.
class QuietPlatform : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// The settings file is replaced as every other file: its ACL and attributes stay (the group
// gains no access that the ACL's mask grants a named user), and a file with a second name is
// refused, with a message, instead of being split from it.
TEST(QtPlatformSettings, TheFileKeepsItsAccessAndIsNeverSplitFromItsOtherNames) {
    QTemporaryDir settings;
    const std::string file = settings.filePath("Stapelwerk.ini").toStdString();
    QuietPlatform platform("Zinkhorn", settings.path());
    const auto write = [&](const std::string& value) {
        platform.writeSetting("Stapelwerk", "Optionen", "txt_pro", value);
    };
    write("/alt");
    if (!testing::giveAclAndNote(file)) GTEST_SKIP() << "no setfacl/setfattr, or no ACLs here";
    const std::string access = testing::aclAndNote(file);
    write("/neu");
    EXPECT_EQ(testing::aclAndNote(file), access);

    std::filesystem::create_hard_link(file, file + ".zweiter-name");
    write("/dritte");
    EXPECT_EQ(std::filesystem::hard_link_count(file), 2u);
    EXPECT_EQ(platform.readSetting("Stapelwerk", "Optionen", "txt_pro", "-"), "/neu");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("harte Links"), std::string::npos) << platform.messages[0];
    EXPECT_NE(platform.messages[0].find(file), std::string::npos) << platform.messages[0];
}

}  // namespace
}  // namespace stapelwerk
