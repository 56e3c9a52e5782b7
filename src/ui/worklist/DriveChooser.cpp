#include "ui/worklist/DriveChooser.h"

#include <algorithm>

#include "core/texts.h"
#include "platform/file_checks.h"
#include "platform/platform.h"
#include "ui/widgets/QtText.h"
#include "ui/worklist/DirectoryList.h"
#include "worklist/drives.h"

namespace stapelwerk {

DriveChooser::DriveChooser(Platform& platform, DirectoryList& directories,
                           const QString& objectName, const QString& accessibleName,
                           QWidget* parent)
    : QComboBox(parent), platform_(platform), directories_(directories) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    readDrives();
    connect(&directories_, &DirectoryList::pathChanged, this, &DriveChooser::showDriveOf);
    connect(this, &QComboBox::activated, this, &DriveChooser::check);
}

// Drives come and go (a stick, a network share): read them afresh at each opening.
void DriveChooser::showPopup() {
    readDrives();
    QComboBox::showPopup();
}

void DriveChooser::readDrives() {
    roots_ = platform_.drives();
    clear();
    for (const std::string& root : roots_) addItem(qt(root));
    showDriveOf(directories_.path());
}

void DriveChooser::showDriveOf(const QString& path) {
    const std::string root = driveOf(path.toStdString(), roots_);
    const auto found = std::find(roots_.begin(), roots_.end(), root);
    setCurrentIndex(
        root.empty() || found == roots_.end() ? -1 : static_cast<int>(found - roots_.begin()));
}

void DriveChooser::check(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= roots_.size()) return;
    const std::string& root = roots_[static_cast<std::size_t>(index)];
    if (!directoryExists(root)) {
        showDriveOf(directories_.path());
        emit statusReport(qt(texts::kStatusDriveUnavailable));
        return;
    }
    directories_.open(qt(directoryOnDrive(root, roots_, platform_.currentDirectory())));
}

}  // namespace stapelwerk
