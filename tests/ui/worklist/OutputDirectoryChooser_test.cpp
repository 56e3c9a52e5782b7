#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "platform/os.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/support/widgets.h"
#include "ui/worklist/DirectoryList.h"
#include "ui/worklist/OutputDirectoryChooser.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::doubleClickEntry;
using testing::qs;
using testing::TempDir;

class OutputDirectoryChooserTest : public ::testing::Test {
protected:
    OutputDirectoryChooserTest() {
        std::filesystem::create_directory(root.file("ProEWildfire3"));
        platform.currentDir = root.path();
        chooser = std::make_unique<OutputDirectoryChooser>(platform, nullptr);
        chooser->show();
        directories = child<DirectoryList>(chooser.get(), "Dir2");
    }

    // The directory that "ok" hands over.
    QString confirm() {
        QSignalSpy chosen(chooser.get(), &OutputDirectoryChooser::chosen);
        child<QPushButton>(chooser.get(), "cmd_ok")->click();
        EXPECT_EQ(chosen.count(), 1);
        return chosen.isEmpty() ? QString() : chosen.at(0).at(0).toString();
    }

    TempDir root;
    testing::FakePlatform platform;
    std::unique_ptr<OutputDirectoryChooser> chooser;
    DirectoryList* directories;
};

TEST_F(OutputDirectoryChooserTest, OkHandsOverTheDirectoryShownAndHides) {
    const QString target = qs(root.file("ProEWildfire3"));
    chooser->showDirectory(target + QChar(os::kPathSeparator));
    EXPECT_EQ(confirm(), target) << "no final separator";
    EXPECT_TRUE(chooser->isHidden());
    const QString driveRoot = qs(root.driveRoot());
    chooser->showDirectory(driveRoot);
    EXPECT_EQ(confirm(), driveRoot) << "but a root keeps its own";
}

TEST_F(OutputDirectoryChooserTest, ADoubleClickedDirectoryIsTheOneTaken) {
    doubleClickEntry(directories, "ProEWildfire3");
    EXPECT_EQ(confirm(), qs(root.file("ProEWildfire3")));
}

TEST_F(OutputDirectoryChooserTest, OkTakesTheHighlightedDirectoryEscapeTakesNothing) {
    const struct {
        const char* highlight;  // by a click; none: the directory shown
        Qt::Key key;
        QString taken;  // none when nothing is handed over
    } cases[] = {
        {"ProEWildfire3", Qt::Key_Return, qs(root.file("ProEWildfire3"))},
        {nullptr, Qt::Key_Return, qs(root.path())},
        {"ProEWildfire3", Qt::Key_Escape, QString()},
    };
    for (const auto& c : cases) {
        chooser->showDirectory(qs(root.path()));
        chooser->show();
        if (c.highlight != nullptr) testing::clickEntry(directories, c.highlight);
        EXPECT_EQ(directories->path(), qs(root.path())) << "a click opens nothing";
        QSignalSpy chosen(chooser.get(), &OutputDirectoryChooser::chosen);
        auto* ok = child<QPushButton>(chooser.get(), "cmd_ok");
        ok->setFocus();
        QTest::keyClick(c.key == Qt::Key_Escape ? static_cast<QWidget*>(directories) : ok, c.key);
        EXPECT_TRUE(chooser->isHidden());
        ASSERT_EQ(chosen.count(), c.taken.isNull() ? 0 : 1);
        if (!c.taken.isNull()) {
            EXPECT_EQ(chosen.at(0).at(0).toString(), c.taken);
        }
    }
}

TEST_F(OutputDirectoryChooserTest, ADirectoryGoneMeanwhileIsNotOpened) {
    std::filesystem::remove(root.file("ProEWildfire3"));
    doubleClickEntry(directories, "ProEWildfire3");
    EXPECT_EQ(directories->path(), qs(root.path()));
    EXPECT_TRUE(
        directories->findItems("ProEWildfire3", Qt::MatchExactly | Qt::MatchRecursive).isEmpty())
        << "the list was read afresh";
}

}  // namespace
}  // namespace stapelwerk
