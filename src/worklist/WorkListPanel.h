#pragma once

#include <QFrame>
#include <string>
#include <vector>

#include "worklist/work_entry.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace stapelwerk {

class Platform;

// The work-list panel `Frame3`: the list `List_File1`, its context menu
// `kontextmenue`, the manual entry field and the confirm button.
class WorkListPanel : public QFrame {
    Q_OBJECT
public:
    WorkListPanel(Platform& platform, QWidget* parent);

    WorkEntries entries() const;
    void setEntries(const WorkEntries& entries);
    void selectAll();
    void hideMenu();

signals:
    // `cmd_file` was pressed; `entries` are the reduced, de-duplicated selection.
    void confirmed(const std::vector<std::string>& entries);
    void statusReport(const QString& text);
    void fileBrowserRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    QPushButton* addMenuButton(const char* objectName, const QString& caption,
                               const QString& accessibleName, int top, bool struckThrough,
                               int left = 60, int width = 1095, int height = 300);
    void paste();
    void deselectAll();
    void clearList();
    void showManualEntry();
    void addTypedEntry();
    void transformEntries(void (*transform)(WorkEntries&, std::string_view),
                          std::string_view extension);
    void updateSelectedCount();

    Platform& platform_;
    QListWidget* list_ = nullptr;
    QGroupBox* menu_ = nullptr;
    QLineEdit* manualEntry_ = nullptr;
    QLabel* howMany_ = nullptr;
};

}  // namespace stapelwerk
