#pragma once

#include <QFrame>
#include <string_view>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace stapelwerk {

enum class ListChange;
class ListMenu;
class Platform;
class WorkListModel;

// The work-list panel `Frame3`: the list `List_File1` (a view on the job's work list),
// its context menu `kontextmenue`, the manual entry field and the confirm button.
class WorkListPanel : public QFrame {
    Q_OBJECT
public:
    WorkListPanel(Platform& platform, WorkListModel& model, QWidget* parent);

    void selectAll();
    void hideMenu();
    // The keyboard goes to the list, so that Ctrl+V and Enter work at once; the window is
    // made the active one where no window manager would.
    void focusList();

signals:
    // `cmd_file` was pressed.
    void confirmRequested();
    void statusReport(const QString& text);
    void fileBrowserRequested();
    // `img_ex3` closed the panel.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    QPushButton* addMenuButton(const char* objectName, const QString& caption,
                               const QString& accessibleName, int top, bool struckThrough,
                               int left = 60, int width = 1095, int height = 300);
    void paste();
    void readListFile();
    void pasteText(std::string_view text, ListChange change);
    // Replaces the list by the rows of `text`, every one marked, and reports `status`.
    void takeRows(std::string_view text, ListChange change, const QString& status);
    bool takeDrop(QEvent* event);
    bool takeKey(QEvent* event);
    void deselectAll();
    void clearList();
    void showManualEntry();
    void addTypedEntry();
    void updateSelectedCount();

    Platform& platform_;
    WorkListModel& model_;
    QListView* list_ = nullptr;
    QGroupBox* menu_ = nullptr;
    ListMenu* menuControl_ = nullptr;
    QLineEdit* manualEntry_ = nullptr;
    QLabel* howMany_ = nullptr;
};

}  // namespace stapelwerk
