#include "ui/generate/CompletionDialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/job.h"
#include "core/texts.h"
#include "generate/doit_writer.h"
#include "platform/platform.h"
#include "platform/sound_file.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/DrawnLines.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {

namespace {
constexpr int kInnerWidth = 4335;
constexpr int kInnerHeight = 3255;
// The frame's lines run from corner (0, 0) to corner (4320, 3240), one pixel wide.
constexpr int kFrameRight = 4320;
constexpr int kFrameBottom = 3240;

void addLabel(QWidget* dialog, const char* name, std::string_view text, int left, int top,
              int width, int height) {
    auto* label = new QLabel(qt(text), dialog);
    label->setObjectName(name);
    placeTwips(label, left, top, width, height);
}
}  // namespace

CompletionDialog::CompletionDialog(Platform& platform, const Job& job, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint), platform_(platform), job_(job) {
    setObjectName("frm_ok");
    setWindowTitle(qt(texts::kOkLower));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFixedSize(twips(kInnerWidth), twips(kInnerHeight));

    // The lines Line1 to Line4 frame the borderless dialog.
    const int right = twips(kFrameRight);
    const int bottom = twips(kFrameBottom);
    drawLinesOn(this, {{0, 0, right, 0},
                       {right, 0, right, bottom},
                       {0, bottom, right, bottom},
                       {0, 0, 0, bottom}});

    addLabel(this, "Label1", texts::kCompletionDone, 240, 120, 3495, 255);
    addLabel(this, "Label2", texts::kCompletionWhere, 840, 360, 2655, 255);
    addLabel(this, "Label8", texts::kCompletionMenu, 1200, 600, 1575, 255);
    addLabel(this, "Label3", texts::kCompletionLoaded, 1320, 840, 1335, 255);

    auto* picture = new PictureButton("img_fertig", artwork::finishedPicture({149, 109}), QString(),
                                      qt(texts::kCompletionPictureName), this);
    placeTwips(picture, 960, 1080, 2235, 1635);
    connect(picture, &PictureButton::clicked, this, &QWidget::close);

    auto* edit = new QPushButton(qt(texts::kEditFile), this);
    edit->setObjectName("cmd_edit");
    placeTwips(edit, 120, 2760, 1455, 375);
    connect(edit, &QPushButton::clicked, this, &CompletionDialog::editFile);

    auto* ok = new PictureButton("img_ex6", artwork::okPicture({16, 16}), qt(texts::kOkLower),
                                 qt(texts::kCompletionOkName), this);
    placeTwips(ok, 3840, 2760, 360, 345);
    connect(ok, &PictureButton::clicked, this, &QWidget::close);

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setSingleShot(true);
    timer_->setInterval(kCloseAfterMs);
    connect(timer_, &QTimer::timeout, this, &QWidget::close);
    timer_->start();

    if (owner != nullptr) centreOn(this, owner->window()->frameGeometry());
    platform_.playSound(std::string(kSoundFile));
}

void CompletionDialog::editFile() {
    const std::string path = doitProPath(job_.outputDirectory);
    // Windows has no program for .pro files until the user sets one up.
    const bool opened = platform_.shellOpen(path) || platform_.openInTextEditor(path);
    close();
    if (!opened) platform_.showMessage(texts::messageNotOpenedForEditing(path));
}

// A user reading the dialog, or reaching for "Datei editieren", keeps it.
void CompletionDialog::enterEvent(QEnterEvent* event) {
    timer_->stop();
    QWidget::enterEvent(event);
}

void CompletionDialog::leaveEvent(QEvent* event) {
    timer_->start();
    QWidget::leaveEvent(event);
}

void CompletionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace stapelwerk
