#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace stapelwerk {

class DirectoryList;
class Platform;

// A drive chooser (`Drive1`, `Drive2`) bound to its directory list: it shows the
// drive of the directory shown, and choosing a drive that is there opens it in
// the list. A drive that is not there puts the chooser back and reports
// "Laufwerk nicht verfügbar !"; the list keeps its directory.
class DriveChooser : public QComboBox {
    Q_OBJECT
public:
    DriveChooser(Platform& platform, DirectoryList& directories, const QString& objectName,
                 const QString& accessibleName, QWidget* parent);

    void showPopup() override;

signals:
    void statusReport(const QString& text);

private:
    void readDrives();
    void showDriveOf(const QString& path);
    void check(int index);

    Platform& platform_;
    DirectoryList& directories_;
    std::vector<std::string> roots_;
};

}  // namespace stapelwerk
