#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/job.h"
#include "core/texts.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/app/MainWindow.h"
#include "ui/support/widgets.h"
#include "ui/widgets/PictureButton.h"

namespace stapelwerk::testing {

// A shown main window on a recording platform, with doit.pro going to a
// temporary directory; the entries to process are set through the work list.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() : window(platform, job) {
        window.show();
        child<QLineEdit>(&window, "txt_pro")->setText(QString::fromStdString(output.path()));
    }

    void confirmEntries(const std::string& clipboard) {
        platform.clipboard = clipboard;
        child<QPushButton>(&window, "cmd_paste")->click();
        child<QPushButton>(&window, "cmd_file")->click();
    }

    // Clicks a button of the function panel, as after a turn of the event loop;
    // the dialog it opens, if any.
    QDialog* openFunction(const char* button, const char* dialog) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        child<QPushButton>(child<QWidget>(&window, "Frame2"), button)->click();
        return window.findChild<QDialog*>(dialog, Qt::FindDirectChildrenOnly);
    }

    // The dialog as it stands after the event loop has run, or null once it was closed.
    QDialog* dialog(const char* name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.findChild<QDialog*>(name, Qt::FindDirectChildrenOnly);
    }

    // Every window of the program open at once: the file browser, the function dialogs,
    // the preview, the completion dialog, the findings of the check, the result of the run,
    // the info and the last jobs.
    void openEveryWindow() {
        QTest::mouseClick(child<PictureButton>(&window, "filebrowser"), Qt::LeftButton);
        confirmEntries("welle.prt\r\n");
        openFunction("cmd_mapkey", "frm_mapkeyneu");
        openFunction("cmd_ploesch", "frm_ploesch");
        openFunction("cmd_param", "frm_param");
        child<QPushButton>(&window, "cmd_SaveAs")->click();
        child<QPushButton>(&window, "cmd_preview")->click();
        child<QPushButton>(&window, "cmd_fcreate")->click();
        confirmEntries("meine welle.prt\r\n");  // a blank, which the next write finds
        child<QPushButton>(&window, "cmd_SaveAs")->click();
        child<QPushButton>(&window, "cmd_fcreate")->click();
        child<QPushButton>(&window, "cmd_ergebnis")->click();
        QTest::mouseClick(child<PictureButton>(&window, "Image1"), Qt::LeftButton);
        for (QAction* action : window.actions()) {
            if (action->text() == QString::fromUtf8(texts::kRecentJobs)) action->trigger();
        }
    }

    std::string setting(const std::string& application, const std::string& key) {
        return platform.readSetting(application, "Optionen", key, "<missing>");
    }

    FakePlatform platform;
    TempDir output;
    Job job;
    MainWindow window;
};

}  // namespace stapelwerk::testing
