#include "ui/worklist/OutputDirectoryChooser.h"

#include <QKeyEvent>
#include <QPushButton>

#include "core/texts.h"
#include "platform/platform.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/worklist/DirectoryList.h"
#include "ui/worklist/DriveChooser.h"

namespace stapelwerk {

OutputDirectoryChooser::OutputDirectoryChooser(Platform& platform, QWidget* parent)
    : QGroupBox(qt(texts::kOutputChooserTitle), parent) {
    setObjectName("Frame6");
    setAutoFillBackground(true);
    placeTwips(this, 10080, 7080, 2415, 2655);

    directories_ = new DirectoryList("Dir2", qt(texts::kOutputDirectoryListName), this);
    placeTwips(directories_, 120, 675, 2175, 1395);
    directories_->setPath(qt(platform.currentDirectory()));

    auto* drives =
        new DriveChooser(platform, *directories_, "Drive2", qt(texts::kOutputDriveName), this);
    placeTwips(drives, 120, 285, 2175, 315);
    connect(drives, &DriveChooser::statusReport, this, &OutputDirectoryChooser::statusReport);

    auto* ok = new QPushButton("ok", this);
    ok->setObjectName("cmd_ok");
    ok->setAccessibleName(qt(texts::kOutputChooserOkName));
    placeTwips(ok, 120, 2145, 2175, 375);
    connect(ok, &QPushButton::clicked, this, [this] {
        emit chosen(directories_->highlightedPath());
        hide();
    });
}

void OutputDirectoryChooser::focusDirectories() { directories_->setFocus(Qt::OtherFocusReason); }

void OutputDirectoryChooser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

void OutputDirectoryChooser::showDirectory(const QString& directory) {
    directories_->setPath(directory);
}

}  // namespace stapelwerk
