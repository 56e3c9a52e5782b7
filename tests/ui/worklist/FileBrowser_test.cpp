#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "core/job.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/system.h"
#include "ui/support/widgets.h"
#include "ui/widgets/PictureButton.h"
#include "ui/worklist/DirectoryList.h"
#include "ui/worklist/FileBrowser.h"
#include "ui/worklist/WorkListModel.h"
#include "worklist/directory_listing.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::clickEntry;
using testing::doubleClickEntry;
using testing::qs;
using testing::TempDir;
using testing::writeBytes;

class FileBrowserTest : public ::testing::Test {
protected:
    FileBrowserTest() {
        for (const char* name : {"plan.drw", "welle.prt", "welle.prt.2", ".versteckt.prt",
                                 "sub/inner.drw", "sub/Achse.DRW.2"}) {
            std::filesystem::create_directories(
                std::filesystem::path(root.file(name)).parent_path());
            writeBytes(root.file(name), "");
        }
        testing::markHidden(root.file(".versteckt.prt"));
        std::filesystem::create_directory(root.file("sub/deeper"));
        platform.currentDir = root.path();
        platform.driveRoots = {root.driveRoot(), root.file("gone"), root.file("sub")};
        browser = std::make_unique<FileBrowser>(platform, model, nullptr);
        browser->addPatterns({"*.drw*", "*.prt*", "*.asm*"});
        browser->show();
        path = child<QLineEdit>(browser.get(), "txt_path");
        directories = child<DirectoryList>(browser.get(), "Dir1");
        drives = child<QComboBox>(browser.get(), "Drive1");
        filter = child<QComboBox>(browser.get(), "Combo1");
    }

    const WorkEntries& entries() const { return job.workList.entries(); }
    static WorkEntries unselected(std::initializer_list<const char*> names) {
        WorkEntries result;
        for (const char* name : names) result.append(name);
        return result;
    }

    TempDir root;
    testing::FakePlatform platform;
    Job job;
    WorkListModel model{job.workList, nullptr};
    std::unique_ptr<FileBrowser> browser;
    QLineEdit* path;
    DirectoryList* directories;
    QComboBox* drives;
    QComboBox* filter;
};

TEST_F(FileBrowserTest, PickingTheFilterForPartsListsThemUnselected) {
    model.setEntries({{"alt.drw", true}}, ListChange::paste);
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(filter->currentText(), "*.prt*");
    EXPECT_EQ(entries(), unselected({"welle.prt", "welle.prt.2"}));
}

TEST_F(FileBrowserTest, TypingBrowsesAtEveryKeystrokeThatNamesADirectory) {
    path->clear();
    const std::string typed = root.path() + "/sub/";
    WorkEntries before = entries();
    int browsed = 0;
    for (std::size_t length = 1; length <= typed.size(); ++length) {
        QTest::keyClick(path, typed[length - 1]);
        const std::string text = typed.substr(0, length);
        SCOPED_TRACE(text);
        if (std::filesystem::is_directory(text)) {
            ++browsed;
            EXPECT_EQ(directories->path(), qs(normalDirectory(text)));
            EXPECT_EQ(entries(), unselectedEntries(listMatchingFiles(text, "*.drw*")));
        } else {
            EXPECT_EQ(entries(), before) << "a text that is no directory changes nothing";
        }
        before = entries();
    }
    EXPECT_GE(browsed, 4);  // "/", "/tmp", the root, ".../sub" and ".../sub/" at least
    EXPECT_EQ(path->text(), qs(typed)) << "the typed text is left as typed";
    EXPECT_EQ(directories->path(), qs(root.file("sub")));
    EXPECT_EQ(entries(), unselected({"Achse.DRW.2", "inner.drw"}));
}

TEST_F(FileBrowserTest, ATypedPathThatIsAFileChangesNothing) {
    path->setText(qs(root.path()));
    path->setText(qs(root.file("plan.drw")));
    EXPECT_EQ(entries(), unselected({"plan.drw"}));
    EXPECT_EQ(directories->path(), qs(root.path()));
}

TEST_F(FileBrowserTest, OpeningADirectoryFollowsWithThePathAndTheList) {
    doubleClickEntry(directories, "sub");
    EXPECT_EQ(directories->path(), qs(root.file("sub")));
    EXPECT_EQ(path->text(), qs(root.file("sub")));
    EXPECT_EQ(entries(), unselected({"Achse.DRW.2", "inner.drw"}));

    doubleClickEntry(directories, qs(std::filesystem::path(root.path()).filename().string()));
    EXPECT_EQ(directories->path(), qs(root.path()));
    EXPECT_EQ(entries(), unselected({"plan.drw"}));
}

TEST_F(FileBrowserTest, ASingleClickReappliesTheTypedFilterToTheDirectoryShown) {
    path->setText(qs(root.path()));
    filter->setEditText("*.prt*");
    EXPECT_EQ(entries(), unselected({"plan.drw"})) << "typing a filter does nothing by itself";
    clickEntry(directories, "sub");
    EXPECT_EQ(directories->path(), qs(root.path())) << "a click does not open";
    EXPECT_EQ(entries(), unselected({"welle.prt", "welle.prt.2"}));
}

TEST_F(FileBrowserTest, ExitKeepsTheListOfTheLastStep) {
    model.setEntries({{"vorher.drw", true}}, ListChange::paste);
    path->setText(qs(root.path()));
    QTest::mouseClick(child<PictureButton>(browser.get(), "Image_EXIT"), Qt::LeftButton);
    EXPECT_TRUE(browser->isHidden());
    EXPECT_EQ(entries(), unselected({"plan.drw"}));
}

TEST_F(FileBrowserTest, OkHidesTheBrowserAndSaysSoAfterARefill) {
    QSignalSpy finished(browser.get(), &FileBrowser::finished);
    doubleClickEntry(directories, "sub");
    path->setText("typed but not a directory");
    writeBytes(root.file("sub/neu.drw"), "");
    child<QPushButton>(browser.get(), "cmd_okfiles")->click();
    EXPECT_TRUE(browser->isHidden());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(path->text(), qs(root.file("sub")));
    EXPECT_EQ(entries(), unselected({"Achse.DRW.2", "inner.drw", "neu.drw"}));
}

TEST_F(FileBrowserTest, ADriveThatIsNotThereIsRefusedAndTheListStays) {
    path->setText(qs(root.file("sub/deeper")));
    EXPECT_EQ(drives->currentIndex(), 2);
    QSignalSpy status(browser.get(), &FileBrowser::statusReport);
    QTest::keyClick(drives, Qt::Key_Up);  // the drive that is gone
    EXPECT_EQ(drives->currentIndex(), 2) << "back on the drive of the directory shown";
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), "Laufwerk nicht verfügbar !");
    EXPECT_EQ(directories->path(), qs(root.file("sub/deeper")));
}

TEST_F(FileBrowserTest, ADriveThatIsThereOpensAndTheChooserFollowsTheList) {
    EXPECT_EQ(drives->currentIndex(), 0);
    QTest::keyClick(drives, Qt::Key_End);  // the drive at root/sub
    EXPECT_EQ(directories->path(), qs(root.file("sub")));
    EXPECT_EQ(path->text(), qs(root.file("sub")));
    EXPECT_EQ(entries(), unselected({"Achse.DRW.2", "inner.drw"}));

    path->setText(qs(root.path()));
    EXPECT_EQ(drives->currentIndex(), 0) << "a typed path on another drive";
    QTest::keyClick(drives, Qt::Key_Home);
    EXPECT_EQ(directories->path(), qs(root.path()))
        << "the drive of the current directory opens there";
}

}  // namespace
}  // namespace stapelwerk
