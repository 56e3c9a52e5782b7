#pragma once

#include <QFrame>

class QComboBox;
class QLineEdit;

namespace stapelwerk {

class DirectoryList;
class Platform;
class WorkListModel;

// The file browser `Frame5`: every step of browsing (drive, directory, typed
// path, picked filter) fills the work list with the matching files of the
// directory shown.
class FileBrowser : public QFrame {
    Q_OBJECT
public:
    FileBrowser(Platform& platform, WorkListModel& workList, QWidget* parent);

    // Appends file-name patterns to the drop-down list of `Combo1`; the field's
    // own text stays.
    void addPatterns(const QStringList& patterns);
    // Refills the work list, unselected, with the files of the directory shown
    // that match the text of `Combo1`.
    void refillWorkList();

signals:
    void statusReport(const QString& text);
    // `cmd_okfiles` was pressed: the browser has closed and the work list holds its files.
    void finished();

private:
    void showDirectory();
    void browseTypedPath(const QString& text);
    void finish();
    void setPathText(const QString& text);

    WorkListModel& workList_;
    QLineEdit* path_ = nullptr;
    DirectoryList* directories_ = nullptr;
    QComboBox* pattern_ = nullptr;
};

}  // namespace stapelwerk
