#include "ui/worklist/FileBrowser.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/texts.h"
#include "platform/file_checks.h"
#include "platform/os.h"
#include "platform/platform.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/twips.h"
#include "ui/worklist/DirectoryList.h"
#include "ui/worklist/DriveChooser.h"
#include "ui/worklist/WorkListModel.h"
#include "worklist/directory_listing.h"
#include "worklist/line_cells.h"

namespace stapelwerk {

namespace {
QLabel* yellowLabel(const char* objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    label->setPalette(palette);
    return label;
}
}  // namespace

FileBrowser::FileBrowser(Platform& platform, WorkListModel& workList, QWidget* parent)
    : QFrame(parent), workList_(workList) {
    setObjectName("Frame5");
    setAccessibleName(qt(texts::kFileBrowserName));
    setAutoFillBackground(true);
    QPalette darkBlue = palette();
    darkBlue.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(darkBlue);
    placeTwips(this, 1155, 630, 5895, 3015);

    QLabel* heading = yellowLabel("Label8", qt(texts::kFileBrowserHeading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    placeTwips(heading, 120, 75, 4000, 285);

    auto* close =
        new PictureButton("Image_EXIT", artwork::closePicture({twips(300), twips(300)}),
                          qt(texts::kExitToolTip), qt(texts::kFileBrowserCloseName), this);
    placeTwips(close, 5475, 60, 300, 300);
    connect(close, &PictureButton::clicked, this, &QWidget::hide);

    path_ = new QLineEdit(QString::fromUtf8(os::kExampleDirectory), this);
    path_->setObjectName("txt_path");
    path_->setAccessibleName(qt(texts::kDirectoryPathName));
    placeTwips(path_, 120, 435, 3255, 285);
    connect(path_, &QLineEdit::textChanged, this, &FileBrowser::browseTypedPath);

    directories_ = new DirectoryList("Dir1", qt(texts::kDirectoryListName), this);
    placeTwips(directories_, 120, 1140, 3255, 1770);
    directories_->setPath(qt(platform.currentDirectory()));
    connect(directories_, &DirectoryList::opened, this, &FileBrowser::showDirectory);
    connect(directories_, &DirectoryList::entryClicked, this, &FileBrowser::showDirectory);

    auto* drives = new DriveChooser(platform, *directories_, "Drive1", qt(texts::kDriveName), this);
    placeTwips(drives, 120, 780, 3255, 315);
    connect(drives, &DriveChooser::statusReport, this, &FileBrowser::statusReport);

    QLabel* filter = yellowLabel("Label1", qt(texts::kFilterCaption), this);
    placeTwips(filter, 3555, 435, 1200, 255);

    pattern_ = new QComboBox(this);
    pattern_->setObjectName("Combo1");
    pattern_->setEditable(true);
    pattern_->setInsertPolicy(QComboBox::NoInsert);
    pattern_->setCompleter(nullptr);  // typed text stays as typed
    pattern_->setEditText(qt(texts::kFilterInitial));
    filter->setBuddy(pattern_);
    pattern_->lineEdit()->setAccessibleName(qt(texts::kFilterName));  // where the typing goes
    placeTwips(pattern_, 3555, 705, 2220, 315);
    connect(pattern_, &QComboBox::activated, this, &FileBrowser::refillWorkList);

    auto* done = new QPushButton(qt(texts::kOkLower), this);
    done->setObjectName("cmd_okfiles");
    done->setAccessibleName(qt(texts::kFileBrowserDoneName));
    placeTwips(done, 3555, 2490, 2220, 420);
    connect(done, &QPushButton::clicked, this, &FileBrowser::finish);
}

void FileBrowser::addPatterns(const QStringList& patterns) {
    const QString text = pattern_->currentText();
    pattern_->addItems(patterns);
    pattern_->setEditText(text);
}

void FileBrowser::refillWorkList() {
    workList_.setEntries(
        unselectedEntries(fileNameLines(listMatchingFiles(directories_->path().toStdString(),
                                                          pattern_->currentText().toStdString()))),
        ListChange::browse);
}

void FileBrowser::showDirectory() {
    setPathText(directories_->path());
    refillWorkList();
}

void FileBrowser::browseTypedPath(const QString& text) {
    if (!directoryExists(text.toStdString())) return;
    directories_->setPath(text);
    refillWorkList();
}

void FileBrowser::finish() {
    hide();
    setPathText(directories_->path());
    refillWorkList();
    emit finished();
}

// The path field follows the directory list without browsing again.
void FileBrowser::setPathText(const QString& text) {
    const QSignalBlocker blocker(path_);
    path_->setText(text);
}

}  // namespace stapelwerk
