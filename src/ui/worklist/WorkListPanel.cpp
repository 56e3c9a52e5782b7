#include "ui/worklist/WorkListPanel.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>

#include "core/texts.h"
#include "platform/platform.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/ListMenu.h"
#include "ui/widgets/ListTextDelegate.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WrappedButton.h"
#include "ui/widgets/twips.h"
#include "ui/worklist/WorkListModel.h"
#include "worklist/dropped_files.h"
#include "worklist/extensions.h"
#include "worklist/list_file.h"
#include "worklist/paste_lines.h"

namespace stapelwerk {

namespace {
constexpr int kMenuOffsetFromPointer = 220;  // twips right of the pointer
}  // namespace

WorkListPanel::WorkListPanel(Platform& platform, WorkListModel& model, QWidget* parent)
    : QFrame(parent), platform_(platform), model_(model) {
    setObjectName("Frame3");
    setAccessibleName(qt(texts::kWorkListPanelName));
    setAutoFillBackground(true);
    placeTwips(this, 480, 1920, 6255, 4335);

    auto* instruction = new QLabel(qt(texts::kWorkListInstruction), this);
    instruction->setObjectName("Label6");
    instruction->setWordWrap(true);
    placeTwips(instruction, 120, 45, 5640, 450);

    auto* close = new PictureButton("img_ex3", artwork::closePicture({twips(300), twips(300)}),
                                    qt(texts::kHideWorkList), qt(texts::kHideWorkList), this);
    placeTwips(close, 5880, 60, 300, 300);
    connect(close, &PictureButton::clicked, this, [this] {
        hideMenu();
        hide();
        emit closed();
    });

    list_ = new QListView(this);
    list_->setObjectName("List_File1");
    list_->setAccessibleName(qt(texts::kWorkListName));
    list_->setModel(&model_);
    list_->setSelectionModel(model_.selectionModel());
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    FocusFrame::attach(list_);  // an empty list shows no focus of its own
    list_->setItemDelegate(new ListTextDelegate(list_));
    list_->viewport()->setMouseTracking(true);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    list_->viewport()->setAcceptDrops(true);
    placeTwips(list_, 120, 540, 5985, 3045);
    connect(&model_, &WorkListModel::selectionEdited, this, [this] {
        updateSelectedCount();
        manualEntry_->hide();
    });

    manualEntry_ = new QLineEdit(this);
    manualEntry_->setObjectName("txt_hand");
    manualEntry_->setAccessibleName(qt(texts::kManualEntryName));
    manualEntry_->setStyleSheet("background-color: rgb(255, 255, 192);");
    placeTwips(manualEntry_, 120, 3660, 3615, 300);
    manualEntry_->hide();
    connect(manualEntry_, &QLineEdit::returnPressed, this, &WorkListPanel::addTypedEntry);

    auto* confirm = new QPushButton("ok", this);
    confirm->setObjectName("cmd_file");
    QFont bold = confirm->font();
    bold.setBold(true);
    bold.setPointSizeF(9.75);
    confirm->setFont(bold);
    placeTwips(confirm, 4860, 3630, 1245, 360);
    connect(confirm, &QPushButton::clicked, this, &WorkListPanel::confirmRequested);

    // Counters the layout does not show.
    howMany_ = new QLabel(this);
    howMany_->setObjectName("lbl_howmany");
    howMany_->hide();

    buildMenu();
}

QPushButton* WorkListPanel::addMenuButton(const char* objectName, const QString& caption,
                                          const QString& accessibleName, int top,
                                          bool struckThrough, int left, int width, int height) {
    auto* button = new WrappedButton(caption, menu_);
    button->setObjectName(objectName);
    button->setAccessibleName(accessibleName);
    QFont font = button->font();
    font.setStrikeOut(struckThrough);
    button->setFont(font);
    placeTwips(button, left, top, width, height);
    return button;
}

void WorkListPanel::buildMenu() {
    menu_ = new QGroupBox(qt(texts::kWorkListMenuTitle), this);
    menu_->setObjectName("kontextmenue");
    menu_->setAutoFillBackground(true);
    // Below the instruction, which its caption would cover, and above the bottom bar where
    // the list stands at start: the opposites "ALLE" stand side by side, as "drw" and "prt"
    // do, and "quit" beside the picture of the browser.
    placeTwips(menu_, 2880, 540, 1215, 3450);
    menu_->hide();

    QPushButton* paste =
        addMenuButton("cmd_paste", qt(texts::kWorkListPaste), qt(texts::kPasteName), 240, false);
    paste->setToolTip(qt(texts::kPasteName));
    connect(paste, &QPushButton::clicked, this, &WorkListPanel::paste);
    connect(addMenuButton("cmd_listfile", qt(texts::kListFromFile), qt(texts::kListFromFileName),
                          585, false, 60, 1095, 420),
            &QPushButton::clicked, this, &WorkListPanel::readListFile);

    connect(addMenuButton("cmd_all", qt(texts::kWorkListAll), qt(texts::kSelectAllName), 1050,
                          false, 60, 533),
            &QPushButton::clicked, this, &WorkListPanel::selectAll);
    connect(addMenuButton("cmd_nono", qt(texts::kWorkListAll), qt(texts::kDeselectAllName), 1050,
                          true, 622, 533),
            &QPushButton::clicked, this, &WorkListPanel::deselectAll);
    connect(
        addMenuButton("cmd_clearlist", qt(texts::kClearList), qt(texts::kClearList), 1395, false),
        &QPushButton::clicked, this, &WorkListPanel::clearList);
    connect(addMenuButton("cmd_einzel", qt(texts::kManualEntryButton),
                          qt(texts::kManualEntryButton), 1740, false, 60, 1095, 420),
            &QPushButton::clicked, this, &WorkListPanel::showManualEntry);

    const struct {
        const char* objectName;
        std::string_view caption;
        std::string_view accessibleName;
        int top;
        int left;
        bool strip;
        std::string_view extension;
    } switches[] = {
        {"cmd_Z", texts::kDrwCaption, texts::kAppendDrwName, 2205, 60, false, ".drw"},
        {"cmd_P", texts::kPrtCaption, texts::kAppendPrtName, 2205, 622, false, ".prt"},
        {"cmd_ZZ", texts::kDrwCaption, texts::kStripDrwName, 2550, 60, true, ".drw"},
        {"cmd_PP", texts::kPrtCaption, texts::kStripPrtName, 2550, 622, true, ".prt"},
    };
    for (const auto& s : switches) {
        QPushButton* button = addMenuButton(s.objectName, qt(s.caption), qt(s.accessibleName),
                                            s.top, s.strip, s.left, 533);
        const auto transform = s.strip ? &stripExtension : &appendExtension;
        const std::string_view extension = s.extension;
        connect(button, &QPushButton::clicked, this, [this, transform, extension] {
            model_.changeTexts(
                [transform, extension](WorkList& list) { transform(list, extension); });
            list_->setFocus(Qt::OtherFocusReason);  // the menu stays open, Enter confirms
        });
    }

    auto* browser =
        new PictureButton("filebrowser", artwork::browserPicture({twips(480), twips(480)}),
                          qt(texts::kFileBrowserToolTip), qt(texts::kOpenFileBrowser), menu_);
    placeTwips(browser, 90, 2895, 480, 480);
    connect(browser, &PictureButton::clicked, this, &WorkListPanel::fileBrowserRequested);

    connect(addMenuButton("cmd_quit", qt(texts::kWorkListQuit), qt(texts::kCloseMenu), 2985, false,
                          622, 533),
            &QPushButton::clicked, this, &WorkListPanel::hideMenu);

    menuControl_ = new ListMenu(menu_, list_);
}

void WorkListPanel::selectAll() {
    model_.setAllSelected(true);
    hideMenu();
}

void WorkListPanel::deselectAll() {
    model_.setAllSelected(false);
    hideMenu();
}

void WorkListPanel::hideMenu() { menuControl_->close(); }

void WorkListPanel::focusList() {
    if (window()->isVisible()) window()->activateWindow();
    list_->setFocus(Qt::OtherFocusReason);
}

void WorkListPanel::paste() { pasteText(platform_.clipboardText(), ListChange::paste); }

// Any list, as a paste takes it: from a spreadsheet, a PDM export or an editor.
void WorkListPanel::readListFile() {
    const std::string path = platform_.chooseFileToOpen(std::string(texts::kWorkListFileTitle));
    if (path.empty()) return;
    const Result<std::string> text = readListText(path);
    if (!text) {
        platform_.showMessage(text.message());
        return;
    }
    takeRows(*text, ListChange::paste, qt(texts::statusListFileRead(path)));
}

void WorkListPanel::pasteText(std::string_view text, ListChange change) {
    if (pasteTooLarge(text)) {
        platform_.showMessage(texts::messagePasteTooLarge());
        return;
    }
    takeRows(text, change, qt(texts::kStatusPasted));
}

void WorkListPanel::takeRows(std::string_view text, ListChange change, const QString& status) {
    model_.setEntries(pastedEntries(text), change);
    emit statusReport(status);
    selectAll();
}

// Files from a file manager add their names, selected; text (a column dragged from a
// spreadsheet) is taken as a paste is.
bool WorkListPanel::takeDrop(QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData()->hasUrls() && !drag->mimeData()->hasText()) return false;
        drag->acceptProposedAction();
        return true;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* dropped = drop->mimeData();
    std::vector<std::string> paths;
    for (const QUrl& url : dropped->urls()) {
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    }
    if (!paths.empty()) {
        const std::vector<std::string> names = droppedFileNames(paths);
        model_.append(names, true, ListChange::drop);
        emit statusReport(qt(texts::statusFilesAdded(names.size())));
    } else if (dropped->hasText()) {
        pasteText(dropped->text().toStdString(), ListChange::drop);
    } else {
        return false;
    }
    drop->acceptProposedAction();
    return true;
}

void WorkListPanel::clearList() {
    model_.clear();
    howMany_->clear();
    hideMenu();
}

void WorkListPanel::showManualEntry() {
    manualEntry_->show();
    manualEntry_->setFocus();
    hideMenu();
}

void WorkListPanel::addTypedEntry() {
    if (manualEntry_->text().isEmpty()) return;
    model_.append(manualEntry_->text().toStdString());
    manualEntry_->hide();
}

void WorkListPanel::updateSelectedCount() {
    howMany_->setText(QString::number(model_.list().selectedCount()));
}

// The keyboard's way to the commands of the list: Ctrl+V pastes, Ctrl+A selects all,
// Delete removes the marked entries, Ctrl+Z undoes the latest change, Enter confirms, and
// the menu key or Shift+F10 opens the menu.
bool WorkListPanel::takeKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        paste();
    } else if (key->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (key->matches(QKeySequence::Delete)) {
        model_.removeSelected();
    } else if (key->matches(QKeySequence::Undo)) {
        model_.undo();
    } else if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
               key->modifiers() == Qt::NoModifier) {
        emit confirmRequested();
    } else {
        return false;
    }
    return true;
}

bool WorkListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_) return takeKey(event) || QFrame::eventFilter(watched, event);
    if (watched != list_->viewport()) return QFrame::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        return takeDrop(event) || QFrame::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove && menu_->isHidden()) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const int pointerX = list_->viewport()->mapTo(list_, move->position().toPoint()).x();
        menu_->move(pointerX + twips(kMenuOffsetFromPointer), menu_->y());
    } else if (event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        manualEntry_->hide();
    }
    return QFrame::eventFilter(watched, event);
}

void WorkListPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) manualEntry_->hide();
    event->accept();  // a press on the panel is not a press on the window background
}

}  // namespace stapelwerk
