#include "ui/params/ParameterListDialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <optional>
#include <utility>

#include "core/job.h"
#include "core/settings_access.h"
#include "core/texts.h"
#include "params/assignment_check.h"
#include "params/keyed_values.h"
#include "params/param_layout.h"
#include "params/value_list_file.h"
#include "platform/line_reader.h"
#include "platform/platform.h"
#include "ui/params/ValueListModel.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/DrawnLines.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/LabelFit.h"
#include "ui/widgets/ListMenu.h"
#include "ui/widgets/ListTextDelegate.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WrappedButton.h"
#include "ui/widgets/twips.h"
#include "workflow/functions.h"
#include "workflow/value_pairing.h"
#include "worklist/list_file.h"
#include "worklist/paste_lines.h"

namespace stapelwerk {

namespace {
constexpr int kDesignClientWidth = 5760;

QLabel* addLabel(QWidget* parent, const char* objectName, const QString& text, const char* colour,
                 int left, int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    if (colour != nullptr) label->setStyleSheet(QString("color: %1;").arg(colour));
    placeTwips(label, left, top, width, height);
    return label;
}

// A rule across the menu (`Line1`, `Line2`) between its groups of commands.
QLine rule(int top) { return {twips(105), twips(top), twips(105 + 2205) - 1, twips(top)}; }
}  // namespace

ParameterListDialog::ParameterListDialog(Platform& platform, Job& job, QWidget* parent)
    : QDialog(parent), platform_(platform), job_(job) {
    setObjectName("frm_param");
    setWindowTitle(qt(texts::kParameterDialogTitle));
    const QPixmap icon = artwork::tagPicture({twips(480), twips(480)});
    setWindowIcon(icon);
    setMinimumSize(twips(kParamMinOuterWidth - kDesignFrameWidth),
                   twips(kParamMinOuterHeight - kDesignFrameHeight));

    constexpr const char* kNavy = "rgb(0, 0, 128)";
    QLabel* nameCaption =
        addLabel(this, "Label3", qt(texts::kParameterNameCaption), kNavy, 120, 0, 2175, 255);
    name_ = new QLineEdit(qt(settings::read(platform_, settings::kAssignedParameter,
                                            settings::kParameterNameDefault)),
                          this);
    name_->setObjectName("txt_param");
    name_->setStyleSheet("background-color: rgb(255, 224, 192);");
    nameCaption->setBuddy(name_);
    placeTwips(name_, 120, 240, 2775, 285);

    listPath_ = addLabel(this, "Label4", {}, "rgb(0, 192, 0)", 120, 600, 4905, 255);

    auto* help = new PictureButton("Image1", icon, qt(texts::kHelpToolTip),
                                   qt(texts::kValueListHelpName), this);
    placeTwips(help, 5040, 120, 480, 480);
    connect(help, &PictureButton::clicked, this,
            [this] { platform_.showMessage(std::string(texts::kMessageParameterHelp)); });

    QLabel* partsCaption =
        addLabel(this, "Label1", qt(texts::kPartsCaption), kNavy, 105, 840, 1935, 255);
    QLabel* valuesCaption =
        addLabel(this, "Label2", qt(texts::kValuesCaption), kNavy, 2940, 840, 2670, 255);
    addLabel(this, "Label6", qt(texts::kValuesMenuHint), "rgb(128, 128, 128)", 2940, 1050, 2640,
             225);

    parts_ = new QListWidget(this);
    parts_->setObjectName("list_part");
    parts_->setUniformItemSizes(true);
    FocusFrame::attach(parts_);
    parts_->setItemDelegate(new ListTextDelegate(parts_));
    parts_->setStyleSheet("QListWidget { background-color: rgb(192, 192, 192); }");
    partsCaption->setBuddy(parts_);
    parts_->setAccessibleName(partsCaption->text());  // item views do not take their buddy's text
    for (const std::string_view entry : job_.confirmedEntries) parts_->addItem(qt(entry));

    valueModel_ = new ValueListModel(this);
    values_ = new QListView(this);
    values_->setObjectName("list_param");
    values_->setModel(valueModel_);
    values_->setUniformItemSizes(true);
    FocusFrame::attach(values_);
    values_->setItemDelegate(new ListTextDelegate(values_));
    values_->setSelectionMode(QAbstractItemView::SingleSelection);
    valuesCaption->setBuddy(values_);
    values_->setAccessibleName(valuesCaption->text().trimmed());

    ok_ = new QPushButton(qt(texts::kOkLower), this);
    ok_->setObjectName("cmd_ok");
    ok_->setAutoDefault(false);
    QFont bold = ok_->font();
    bold.setBold(true);
    ok_->setFont(bold);
    connect(ok_, &QPushButton::clicked, this, &ParameterListDialog::assign);

    buildMenu();

    setTabOrder(ok_, name_);
    setTabOrder(name_, values_);
    setTabOrder(values_, parts_);
    ok_->setFocus();

    // As high as the main window, the width as designed; it stands centred over the window,
    // as every dialog does.
    const QRect mainFrame = parent != nullptr ? parent->window()->frameGeometry() : QRect();
    resize(twips(kDesignClientWidth), mainFrame.height() - twips(kDesignFrameHeight));
    layOut();
}

QPushButton* ParameterListDialog::addMenuButton(const char* objectName, const QString& caption,
                                                int left, int top, int width, int height) {
    auto* button = new WrappedButton(caption, menu_);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    placeTwips(button, left, top, width, height);
    return button;
}

void ParameterListDialog::buildMenu() {
    menu_ = new QFrame(this);
    menu_->setObjectName("kontextmenue");
    menu_->setAccessibleName(qt(texts::kValuesMenuName));
    menu_->setStyleSheet("#kontextmenue { background-color: rgb(255, 192, 128); }");
    menu_->setFocusPolicy(Qt::NoFocus);
    placeTwips(menu_, 3150, 1680, 2460, 3135);

    QPushButton* paste = addMenuButton("paste", qt(texts::kValuesPaste), 120, 210, 855, 285);
    paste->setAccessibleName(qt(texts::kPasteName));
    connect(paste, &QPushButton::clicked, this, &ParameterListDialog::paste);

    auto* close = new PictureButton("Image_EXIT", artwork::closePicture({twips(480), twips(480)}),
                                    qt(texts::kCloseMenu), qt(texts::kCloseMenu), menu_);
    placeTwips(close, 1890, 45, 480, 480);
    connect(close, &PictureButton::clicked, this, &ParameterListDialog::hideMenu);

    connect(addMenuButton("cmd_del", qt(texts::kValuesDeleteMarked), 105, 630, 1800, 285),
            &QPushButton::clicked, this, &ParameterListDialog::deleteMarked);

    QLabel* entryCaption = addLabel(menu_, "Label5", qt(texts::kValuesSingleEntryCaption), nullptr,
                                    105, 1035, 1380, 285);
    entry_ = new QLineEdit(menu_);
    entry_->setObjectName("Text1");
    entryCaption->setBuddy(entry_);
    placeTwips(entry_, 105, 1260, 2220, 285);
    connect(entry_, &QLineEdit::returnPressed, this, &ParameterListDialog::addEntry);

    QPushButton* add = addMenuButton("cmd_hinzu", qt(texts::kValuesAdd), 105, 1575, 1800, 285);
    connect(add, &QPushButton::clicked, this, &ParameterListDialog::addEntry);

    connect(addMenuButton("clear", qt(texts::kValuesClear), 105, 2025, 1800, 285),
            &QPushButton::clicked, this, &ParameterListDialog::clearValues);

    // The list file's commands in a row: save, open, and any other file.
    auto* save = new PictureButton("save", artwork::savePicture({twips(510), twips(495)}),
                                   qt(texts::kValuesSave), qt(texts::kValuesSave), menu_);
    placeTwips(save, 105, 2520, 510, 495);
    connect(save, &PictureButton::clicked, this, &ParameterListDialog::saveList);

    connect(addMenuButton("open", qt(texts::kValuesOpen), 690, 2520, 780, 495),
            &QPushButton::clicked, this, &ParameterListDialog::openList);
    QPushButton* fromFile =
        addMenuButton("cmd_listfile", qt(texts::kListFromFile), 1545, 2520, 780, 495);
    fromFile->setAccessibleName(qt(texts::kListFromFileName));
    connect(fromFile, &QPushButton::clicked, this, &ParameterListDialog::readListFile);

    drawLinesOn(menu_, {rule(990), rule(1890)});
    menu_->raise();
    menuControl_ = new ListMenu(menu_, values_);
    connect(menuControl_, &ListMenu::opened, this, [this] {
        drawLinesOn(menu_, {rule(990), rule(1890)});
    });
}

void ParameterListDialog::layOut() {
    const ParamLayout layout =
        paramLayout(toTwips(width()) + kDesignFrameWidth, toTwips(height()) + kDesignFrameHeight);
    placeTwips(ok_, 1575, layout.okTop, 2415, 495);
    placeTwips(parts_, 105, 1320, 2700, layout.listHeight);
    placeTwips(values_, 2940, 1320, layout.valueListWidth, layout.listHeight);
}

void ParameterListDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!isMinimized()) layOut();
}

void ParameterListDialog::showMenu() { menuControl_->open(); }

void ParameterListDialog::hideMenu() { menuControl_->close(); }

void ParameterListDialog::addEntry() { valueModel_->append({entry_->text().toStdString()}); }

void ParameterListDialog::deleteMarked() {
    std::optional<std::size_t> marked;
    const QModelIndexList selected = values_->selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) marked = static_cast<std::size_t>(selected.front().row());
    valueModel_->removeMarkedAndEmpty(marked);
    hideMenu();
}

void ParameterListDialog::paste() {
    const std::string text = platform_.clipboardText();
    if (pasteTooLarge(text)) {
        platform_.showMessage(texts::messagePasteTooLarge());
    } else {
        valueModel_->append(pastedLines(text));
    }
    hideMenu();
}

void ParameterListDialog::clearValues() {
    valueModel_->clear();
    hideMenu();
}

std::string ParameterListDialog::showListPath() {
    std::string path = valueListPath(platform_);
    // The folder may be long; its file's name stays in sight.
    fitToText(listPath_, qt(path), Qt::ElideMiddle);
    return path;
}

void ParameterListDialog::openList() {
    if (Result<std::vector<std::string>> read = readValueList(showListPath()); read) {
        valueModel_->setValues(std::move(*read));
    } else {
        platform_.showMessage(read.message());
    }
    hideMenu();
}

// Any list: one value a line, or names with their values in TAB or ';' columns, which the
// pairing tells apart as it does for every list.
void ParameterListDialog::readListFile() {
    const std::string path = platform_.chooseFileToOpen(std::string(texts::kValuesFileTitle));
    if (!path.empty()) {
        if (const Result<std::string> text = readListText(path); text) {
            listPath_->setText(qt(path));
            valueModel_->setValues(splitLines(*text, LoneLineFeed::endsLine));
        } else {
            platform_.showMessage(text.message());
        }
    }
    hideMenu();
}

void ParameterListDialog::saveList() {
    if (const Result<> written = writeValueList(showListPath(), valueModel_->list().values());
        !written) {
        platform_.showMessage(written.message());
    }
    hideMenu();
}

// One value a line pairs with the parts by position, and the counts must agree; lines
// "NAME<TAB>VALUE" or "NAME;VALUE" pair by name, and gaps are shown before the user
// decides whether to build anyway.
std::optional<std::vector<std::string>> ParameterListDialog::valuesForParts() {
    const std::vector<std::string>& lines = valueModel_->list().values();
    Result<KeyedPairing> pairing =
        workflow::pairValues(job_, lines, workflow::ValueListForm::detect);
    if (!pairing) {
        platform_.showMessage(pairing.message());
        if (lacksEveryValue(job_.confirmedEntries.size(), lines.size())) showMenu();
        return std::nullopt;
    }
    switch (workflow::judgeKeyedPairing(*pairing)) {
        case workflow::KeyedVerdict::contradictory:
            platform_.showMessage(keyedConflictMessage(*pairing));
            return std::nullopt;
        case workflow::KeyedVerdict::withGaps:
            if (!platform_.ask(keyedGapsQuestion(job_.confirmedEntries, *pairing)))
                return std::nullopt;
            break;
        case workflow::KeyedVerdict::complete:
            break;
    }
    return std::move(pairing->values);
}

void ParameterListDialog::assign() {
    const std::string name = name_->text().toStdString();
    settings::write(platform_, settings::kAssignedParameter, name);
    const std::optional<std::vector<std::string>> partValues = valuesForParts();
    if (!partValues) return;
    if (const Result<> built =
            workflow::buildPendingText(job_, {.function = DoitFunction::parameterAssignment,
                                              .parameterName = name,
                                              .values = *partValues,
                                              .journal = settings::journalChosen(platform_)});
        !built) {
        platform_.showMessage(built.message());
        return;
    }
    emit built();
    close();
}

}  // namespace stapelwerk
