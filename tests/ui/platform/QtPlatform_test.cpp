#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <filesystem>

#include "core/ini_settings.h"
#include "core/job.h"
#include "support/ScopedHome.h"
#include "support/TempDir.h"
#include "ui/app/MainWindow.h"
#include "ui/platform/QtPlatform.h"
#include "ui/support/widgets.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::TempDir;

TEST(QtPlatformSettings, TheOutputDirectorySurvivesARestart) {
    QTemporaryDir settings;
    TempDir home;
    TempDir output;
    const testing::ScopedHome scopedHome(home.path());
    const QString chosen = QString::fromStdString(output.path());
    {
        QtPlatform platform("Zinkhorn", settings.path());
        Job job;
        MainWindow window(platform, job);
        window.show();
        EXPECT_EQ(child<QLineEdit>(&window, "txt_pro")->text(),
                  QDir::toNativeSeparators(QCoreApplication::applicationDirPath()))
            << "first run: the program directory";
        child<QLineEdit>(&window, "txt_pro")->setText(chosen);
        window.close();
    }
    EXPECT_TRUE(QDir(settings.path()).exists("Stapelwerk.ini"));
    {
        QtPlatform platform("Zinkhorn", settings.path());
        Job job;
        MainWindow window(platform, job);
        EXPECT_EQ(child<QLineEdit>(&window, "txt_pro")->text(), chosen);
    }
}

TEST(QtPlatformSettings, ValuesReadBackExactlyUnderTheirApplicationSectionAndKey) {
    QTemporaryDir settings;
    const std::string key = "frm_mapkeyneu.txt_mapkeyname.Text";
    const std::string values[] = {
        "ds",    "C:\\Daten, alt\\", "",           " blanks ", "Größe", "@Variant(x)",
        "a=b;c", "[Optionen]",       "two\nlines",
    };
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        QtPlatform("Zinkhorn", settings.path()).writeSetting("Stapelwerk", "Optionen", key, value);
        EXPECT_EQ(QtPlatform("Zinkhorn", settings.path())
                      .readSetting("Stapelwerk", "Optionen", key, "default"),
                  value);
    }
    QtPlatform platform("Zinkhorn", settings.path());
    EXPECT_EQ(platform.readSetting("Lindwurm", "Optionen", key, "default"), "default");
    EXPECT_EQ(platform.readSetting("Stapelwerk", "Andere", key, "default"), "default");
    EXPECT_EQ(platform.readSetting("Stapelwerk", "Optionen", "frm_mapkeyneu", "default"),
              "default");
}

TEST(QtPlatformSettings, AnUnchangedValueLeavesTheFileAsItWas) {
    QTemporaryDir settings;
    const std::filesystem::path file = settings.filePath("Stapelwerk.ini").toStdString();
    QtPlatform platform("Zinkhorn", settings.path());
    platform.writeSetting("Stapelwerk", "Optionen", "txt_pro", "/daten");
    const auto old = std::filesystem::last_write_time(file) - std::chrono::hours(1);
    std::filesystem::last_write_time(file, old);
    platform.writeSetting("Stapelwerk", "Optionen", "txt_pro", "/daten");
    EXPECT_EQ(std::filesystem::last_write_time(file), old);
    platform.writeSetting("Stapelwerk", "Optionen", "txt_pro", "/anders");
    EXPECT_NE(std::filesystem::last_write_time(file), old);
}

// The files users have were written by QSettings, and QSettings may read ours: each file here
// reads alike by both, and a value written by either reads back by the other.
TEST(IniSettings, ReadAndWriteAsQSettingsDoes) {
    QTemporaryDir folder;
    int files = 0;
    const auto byQSettings = [&](const std::string& text, const std::string& key) {
        const QString path = folder.filePath(QString::number(++files) + ".ini");
        testing::writeBytes(path.toStdString(), text);
        const QVariant value =
            QSettings(path, QSettings::IniFormat).value(testing::qs("Optionen/" + key));
        return value.isValid() ? std::optional(value.toString().toStdString()) : std::nullopt;
    };
    const std::string texts[] = {
        "[Optionen]\nk=plain\n",
        "\xEF\xBB\xBF[Optionen]\r\nk = \"quoted ; = ,\" ; comment\r\n",
        "; comment\n[ Optionen ]\nk=first\nk=  last  \n[Andere]\nk=other\n",
        "[General]\nOptionen\\k=from the general section\n",
        "[Optionen]\n%6B=escaped key\nk.x=dotted\n",
        "[Optionen]\nk=a\\\n  continued\n",
        "[Optionen]\nk=\"over\ntwo lines\"\n",
        "[Optionen]\nk=\\x41\\x3042\\101\\t\\q\\\"\n",
        "[Optionen]\nk=list,of,three\n",
        "[Optionen]\nk=@Invalid()\n",
        "[Optionen]\nk=@String(marked)\n",
        "[Optionen]\nk=@@at\n",
        "[Optionen]\nk=\"never closed\n",
        "[Optionen]\nk\n",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ini::valueOf(text, "Optionen", "k"), byQSettings(text, "k"));
    }

    const std::string values[] = {
        "ds",
        "C:\\Daten, alt\\",
        "",
        " blanks ",
        "Größe €",
        "@Variant(x)",
        "a=b;c",
        "[Optionen]",
        "two\nlines\r",
        "\"q\" \\",
        "\t\x01"
        "0a",
        std::string("nul\0"
                    "1",
                    5),
        "😀",
    };
    std::string ours;
    const QString theirs = folder.filePath("theirs.ini");
    for (std::size_t i = 0; i < std::size(values); ++i) {
        SCOPED_TRACE(values[i]);
        const std::string key = "frm_x.k" + std::to_string(i) + ".Text";
        QSettings(theirs, QSettings::IniFormat)
            .setValue(testing::qs("Optionen/" + key), QString::fromStdString(values[i]));
        EXPECT_EQ(ini::valueOf(testing::readBytes(theirs.toStdString()), "Optionen", key),
                  values[i]);
        ours = ini::withValue(ours, "Optionen", key, values[i]);
        EXPECT_EQ(byQSettings(ours, key), values[i]);
    }
}

TEST(QtPlatformProgramDirectory, AFolderOfTheUsersOwnIsNoInstallationOneNotWritableIs) {
    TempDir folder;
    EXPECT_FALSE(QtPlatform::installedAt(testing::qs(folder.path())));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "the trial file is gone";
    // Nothing can be made "in" a file, whoever runs the test, root too.
    testing::writeBytes(folder.file("datei"), "");
    EXPECT_TRUE(QtPlatform::installedAt(testing::qs(folder.file("datei"))));
}

// The platform's box with the program's buttons, answered by a key.
class AnsweredQuestion : public QtPlatform {
public:
    AnsweredQuestion() : QtPlatform("Zinkhorn") {}
    // Whether `key`, pressed on the box or on its button `on`, answers Yes.
    bool answer(Qt::Key key, QMessageBox::StandardButton on = QMessageBox::NoButton) {
        const std::unique_ptr<QMessageBox> box = questionBox("Soll die Datei ersetzt werden ?");
        box->open();
        QWidget* target = box.get();
        if (on != QMessageBox::NoButton) target = box->button(on);
        QTest::keyClick(target, key);
        return box->clickedButton() == box->button(QMessageBox::Yes);
    }
};

TEST(QtPlatformQuestion, EnterAndEscapeAnswerNo) {
    AnsweredQuestion platform;
    EXPECT_FALSE(platform.answer(Qt::Key_Return));
    EXPECT_FALSE(platform.answer(Qt::Key_Escape));
    EXPECT_TRUE(platform.answer(Qt::Key_Space, QMessageBox::Yes)) << "Yes stays one key away";
}

}  // namespace
}  // namespace stapelwerk
