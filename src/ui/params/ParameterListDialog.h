#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace stapelwerk {

class Job;
class ListMenu;
class Platform;
class ValueListModel;

// `frm_param`: the parts to process beside the parameter values the user
// collects for them, one value per part by position; its "ok" builds the
// assignment. The context panel `kontextmenue` holds the value list's commands.
class ParameterListDialog : public QDialog {
    Q_OBJECT
public:
    ParameterListDialog(Platform& platform, Job& job, QWidget* parent);

signals:
    // The job holds a new doit text; the dialog closes.
    void built();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenu();
    QPushButton* addMenuButton(const char* objectName, const QString& caption, int left, int top,
                               int width, int height);
    void layOut();
    void showMenu();
    void hideMenu();

    void addEntry();
    void deleteMarked();
    void paste();
    void clearValues();
    void openList();
    void readListFile();
    void saveList();
    std::string showListPath();
    std::optional<std::vector<std::string>> valuesForParts();
    void assign();

    Platform& platform_;
    Job& job_;
    QLineEdit* name_ = nullptr;
    QLabel* listPath_ = nullptr;
    QListWidget* parts_ = nullptr;
    ValueListModel* valueModel_ = nullptr;
    QListView* values_ = nullptr;
    QPushButton* ok_ = nullptr;
    QFrame* menu_ = nullptr;
    ListMenu* menuControl_ = nullptr;
    QLineEdit* entry_ = nullptr;
};

}  // namespace stapelwerk
