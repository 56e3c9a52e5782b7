#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "app/explanations.h"
#include "core/check_rules.h"
#include "core/job_record.h"
#include "core/texts.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/widgets/PictureButton.h"

namespace stapelwerk {
namespace {

using testing::child;

// Every text the program shows, by where it shows, held against tests/ui/app/shown_texts.txt:
// a rename or an edit that touches a shown text fails here, naming the text. After a
// wanted change, STAPELWERK_WRITE_SHOWN_TEXTS=1 rewrites the list for review in the diff.
using ShownTexts = std::map<std::string, std::string>;

std::string oneLine(const QString& text) {
    return text.toUtf8().replace("\n", "\\n").toStdString();
}

void add(ShownTexts& shown, const std::string& where, const QString& text) {
    if (!text.isEmpty()) shown[where] = oneLine(text);
}

// Texts that hold one of `passing` (where it wrote, the run's id) are left out: they differ
// from run to run, and the messages hold them with sample details.
void addWindow(ShownTexts& shown, QWidget* topLevel, const QStringList& passing) {
    const std::string window = topLevel->objectName().toStdString();
    add(shown, window + " title", topLevel->windowTitle());
    for (QWidget* widget : topLevel->findChildren<QWidget*>()) {
        const std::string where = window + "/" + widget->objectName().toStdString();
        if (widget->objectName().isEmpty()) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (auto* box = qobject_cast<QGroupBox*>(widget)) text = box->title();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) text = edit->toPlainText();
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && edit->isReadOnly()) {
            text = edit->text();
        }
        const auto passes = [&text](const QString& part) { return text.contains(part); };
        if (std::any_of(passing.begin(), passing.end(), passes)) continue;
        add(shown, where, text);
        add(shown, where + " tooltip", widget->toolTip());
        add(shown, where + " name", widget->accessibleName());
        add(shown, where + " description", widget->accessibleDescription());
    }
}

// Every text of the table, and the texts that are composed until something happens:
// messages, questions, the status line's words, the command line's, each with sample details.
void addMessages(ShownTexts& shown) {
    for (const auto& [name, text] : texts::kEveryText) {
        add(shown, "message " + std::string(name), QString::fromUtf8(text.data(), text.size()));
    }
    const std::pair<const char*, std::string> messages[] = {
        {"messageSemicolon", texts::messageSemicolon("S", "T")},
        {"messageTab", texts::messageTab("S", "T")},
        {"valuesOfParts", texts::valuesOfParts({"welle.prt"}, {"Stahl"}, 2)},
        {"messageNotOpenedForEditing", texts::messageNotOpenedForEditing("P")},
        {"messageAddressNotOpened", texts::messageAddressNotOpened("A")},
        {"statusFilesChosen", texts::statusFilesChosen(3)},
        {"statusFilesAdded", texts::statusFilesAdded(3)},
        {"messageEntryUnreadable", texts::messageEntryUnreadable("E")},
        {"messageEntryNotEncodable", texts::messageEntryNotEncodable("E")},
        {"messageSaveAsEntryTooShort", texts::messageSaveAsEntryTooShort("E")},
        {"messageTextNotEncodable", texts::messageTextNotEncodable("L")},
        {"messageFileNotWritten", texts::messageFileNotWritten("P", "R")},
        {"messageUnreadable", texts::messageUnreadable("S", "T")},
        {"messageNotEncodable", texts::messageNotEncodable("S", "T")},
        {"messageValueNotEncodableInList", texts::messageValueNotEncodableInList("V", "P")},
        {"messageFileNotRead", texts::messageFileNotRead("P", "R")},
        {"explainAuto", texts::explainAuto("D")},
        {"previewSummary", texts::previewSummary(1234, 56789)},
        {"messageConfigProNotRead", texts::messageConfigProNotRead("P", "R")},
        {"messageConfigProNotCreated", texts::messageConfigProNotCreated("P", "R")},
        {"messageConfigProNotWritten", texts::messageConfigProNotWritten("P", "R")},
        {"messageConfigProBackupNotWritten", texts::messageConfigProBackupNotWritten("P", "R")},
        // Both systems' help, wherever the suite runs.
        {"batchHelp", texts::batchHelp(os::System::posix)},
        {"batchHelp on Windows", texts::batchHelp(os::System::windows)},
        {"messageBatchUsageError", texts::messageBatchUsageError("S", "D")},
        {"messageOutputDirectoryMissing",
         texts::messageOutputDirectoryMissing("P", "R", texts::kNothingSaved)},
        {"messageStandardInputNotRead", texts::messageStandardInputNotRead(texts::kNothingSaved)},
        {"messageListEmpty", texts::messageListEmpty("P", texts::kNothingChecked)},
        {"messageStandardInputListEmpty",
         texts::messageStandardInputListEmpty(texts::kNothingSaved)},
        {"messageBatchWritten", texts::messageBatchWritten("P", "save-as", 1234)},
        {"messageBatchWrittenToStandardOutput",
         texts::messageBatchWrittenToStandardOutput("save-as", 3)},
        {"namesUnderHeading", texts::namesUnderHeading("H", {"a", "b"})},
        {"reasonLinkNotFollowed", texts::reasonLinkNotFollowed("L")},
        {"reasonBackupAtLink", texts::reasonBackupAtLink("L")},
        {"findingModelNameTooLong", texts::findingModelNameTooLong(31)},
        {"findingModelNameCharacters", texts::findingModelNameCharacters("_-")},
        {"findingModelNameStart", texts::findingModelNameStart("-")},
        {"findingParameterNameTooLong", texts::findingParameterNameTooLong(31)},
        {"findingParameterNameCharacters", texts::findingParameterNameCharacters("_")},
        {"findingValueTooLong", texts::findingValueTooLong(80)},
        {"findingUnknownModelType", texts::findingUnknownModelType(kCheckRules.modelTypes)},
        {"findingEntrySavedAs", texts::findingEntrySavedAs("E", "S")},
        {"findingEntryLike", texts::findingEntryLike("E", "F")},
        {"findingText", texts::findingText("H", {"a"}, 1234)},
        {"statusEntriesUnmarked", texts::statusEntriesUnmarked(3)},
        {"chainUndefinedNote", texts::chainUndefinedNote({"xx", "00"})},
        {"messagePasteTooLarge", texts::messagePasteTooLarge()},
        {"messageStandardInputTooLarge", texts::messageStandardInputTooLarge(texts::kNothingSaved)},
        {"reasonInputTooLarge", texts::reasonInputTooLarge()},
        {"messageBatchUsageError without detail", texts::messageBatchUsageError("S", "")},
        {"findingText with notes", texts::findingText("H", {"a", "b"}, 2, {"N"})},
        {"noteOpens", texts::noteOpens("F")},
        {"noteFoundAgain", texts::noteFoundAgain("F", {"P", "Q", "R"})},
        {"noteOtherVersion", texts::noteOtherVersion(3, "F")},
        {"noteOtherDirectory", texts::noteOtherDirectory("D", "F")},
        {"reasonVariableNotSet", texts::reasonVariableNotSet("V")},
        {"locateProgress", texts::locateProgress(3, 1234)},
        {"previewLocated", texts::previewLocated(2999, 3000, 21)},
        {"entryLocation opened", texts::entryLocation("E", "F", false)},
        {"entryLocation missing", texts::entryLocation("E", std::nullopt, false)},
        {"entryLocation saved over", texts::entryLocation("E", "F", true)},
        {"entryLocation made", texts::entryLocation("E", std::nullopt, true)},
        {"runWaiting", texts::runWaiting("7GQ2KX9M", 300)},
        {"runProgress", texts::runProgress(17, 300, "welle.prt")},
        {"runStands", texts::runStands(10, 18, "welle.prt.3")},
        {"runStandsAtEnd", texts::runStandsAtEnd(10, 300)},
        {"statusNamesCopied", texts::statusNamesCopied(3)},
        {"questionRemainder", texts::questionRemainder(283, "D")},
    };
    for (const auto& [name, text] : messages)
        add(shown, std::string("message ") + name, QString::fromStdString(text));
    for (std::string_view control : explainedControls()) {
        add(shown, "explanation " + std::string(control),
            QString::fromStdString(explanationFor(control, "D").value_or("")));
    }
}

ShownTexts readList(const std::string& path) {
    ShownTexts list;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos) list[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return list;
}

class ShownTextsTest : public testing::MainWindowFixture {};

TEST_F(ShownTextsTest, EveryShownTextIsTheListedOne) {
    ShownTexts shown;
    addWindow(shown, &window, {});  // before anything changed it
    openEveryWindow();
    const Result<JobRecord> record = readJobRecord(output.path());
    ASSERT_TRUE(record.ok()) << record.message();
    const QStringList passing = {QString::fromStdString(output.path()),
                                 QString::fromStdString(record->head().runId)};
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->isVisible() && topLevel != &window) addWindow(shown, topLevel, passing);
    }
    addMessages(shown);

    const std::string path = STAPELWERK_SOURCE_DIR "/tests/ui/app/shown_texts.txt";
    if (qEnvironmentVariableIsSet("STAPELWERK_WRITE_SHOWN_TEXTS")) {
        std::ofstream out(path, std::ios::binary);
        for (const auto& [where, text] : shown) out << where << '\t' << text << '\n';
    }
    const ShownTexts listed = readList(path);
    for (const auto& [where, text] : listed) {
        const auto found = shown.find(where);
        if (found == shown.end()) {
            ADD_FAILURE() << "no longer shown: " << where << ": " << text;
        } else {
            EXPECT_EQ(found->second, text) << "changed: " << where;
        }
    }
    for (const auto& [where, text] : shown) {
        EXPECT_TRUE(listed.count(where) == 1) << "not in the list: " << where << ": " << text;
    }
}

}  // namespace
}  // namespace stapelwerk
