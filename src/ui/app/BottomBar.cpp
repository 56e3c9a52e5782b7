#include "ui/app/BottomBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "core/texts.h"
#include "platform/os.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/ElidingLineEdit.h"
#include "ui/widgets/LabelFit.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WrappedButton.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {

BottomBar::BottomBar(QWidget* parent) : QFrame(parent) {
    setObjectName("Frame4");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    placeTwips(this, 120, 9360, 7695, 1095);

    caption_ = new ClickableLabel(qt(texts::kOutputDirectoryCaption), this);
    caption_->setObjectName("Label7");
    caption_->setCursor(artwork::directoryCursor());
    caption_->setAccessibleDescription(qt(texts::kOutputDirectoryCaptionDescription));
    connect(caption_, &ClickableLabel::clicked, this, &BottomBar::chooserRequested);
    placeTwips(caption_, 120, 120, 2295, 255);

    outputDirectory_ =
        new QLineEdit(QString::fromUtf8(os::kExampleDirectory) + os::kPathSeparator, this);
    outputDirectory_->setObjectName("txt_pro");
    caption_->setBuddy(outputDirectory_);
    connect(outputDirectory_, &QLineEdit::textChanged, this, &BottomBar::outputDirectoryChanged);
    placeTwips(outputDirectory_, 120, 330, 4935, 285);

    user_ = new QLabel(qt(texts::kUnknownUser), this);
    user_->setObjectName("lbl_user");
    user_->setAccessibleName(qt(texts::kUserName));
    user_->setAutoFillBackground(true);
    user_->setStyleSheet("background-color: rgb(192, 192, 192);");
    placeTwips(user_, 120, 720, 1215, 255);

    status_ = new ElidingLineEdit(qt(texts::kStatusInitial), this);
    status_->setObjectName("lbl_status");
    status_->setAccessibleName(qt(texts::kStatusLineName));
    status_->setStyleSheet("background-color: rgb(255, 255, 192);");
    placeTwips(status_, 1440, 720, 5415, 285);

    auto_ = new WrappedButton(qt(texts::kInstallAutoButton), this);
    auto_->setObjectName("cmd_auto");
    placeTwips(auto_, 5160, 120, 1695, 495);
    connect(auto_, &QPushButton::clicked, this, &BottomBar::autoRequested);

    auto* exit = new PictureButton("img_exit", artwork::exitPicture({twips(600), twips(615)}),
                                   qt(texts::kExitToolTip), qt(texts::kExitName), this);
    placeTwips(exit, 7035, 405, 600, 615);
    connect(exit, &PictureButton::clicked, this, &BottomBar::exitRequested);
}

QString BottomBar::outputDirectory() const { return outputDirectory_->text(); }

void BottomBar::setOutputDirectory(const QString& directory) {
    outputDirectory_->setText(directory);
}

void BottomBar::setUserName(const QString& name) { fitToText(user_, name); }

void BottomBar::setStatus(const QString& text) {
    status_->setText(text);
    status_->setCursorPosition(0);
}

QString BottomBar::status() const { return status_->text(); }

void BottomBar::mousePressEvent(QMouseEvent* event) {
    // A label of the bar lets its presses through to here; only the bare bar counts.
    if (childAt(event->position().toPoint()) == nullptr) {
        if (event->button() == Qt::RightButton) auto_->show();
        if (event->button() == Qt::LeftButton) auto_->hide();
    }
    event->accept();  // a press on the bar is not a press on the window background
}

}  // namespace stapelwerk
