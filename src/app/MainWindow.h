#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QPushButton;

namespace stapelwerk {

class BottomBar;
class CompletionDialog;
class FileBrowser;
class FunctionPanel;
class InfoDialog;
class MapkeyChainDialog;
class OutputDirectoryChooser;
class ParameterDeletionDialog;
class ParameterListDialog;
class Platform;
class WorkListPanel;

// The main window `Form1`. It owns the program's state: the entries to process
// `List_Selection`, the pending text `doittext` and the output directory.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);

    Platform& platform() { return platform_; }
    const std::vector<std::string>& List_Selection() const { return listSelection_; }
    const std::string& doittext() const { return doittext_; }
    std::string outputDirectory() const;
    void setStatus(std::string_view text);

    // Builds the open-and-apply text with the filled tail `mtyp` for every entry;
    // false when the build was refused (the user has been told why).
    bool CREATE(std::string_view mtyp);
    // Builds the parameter assignment; `values` pair with the entries by position.
    bool CREATE3(std::string_view mtyp, const std::vector<std::string>& values);
    // Writes `doittext` to doit.pro in the output directory and opens the completion
    // dialog; false when it failed (the user has been told why, and no dialog opens).
    bool fileout();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Shutdown: stores the output directory and closes every other window.
    void closeEvent(QCloseEvent* event) override;

private:
    void startUp();
    // Stands the output-directory chooser on the bottom bar, at its left edge.
    void placeChooser();
    void installAutoMapkey();
    bool acceptBuild(struct BuiltText built);
    void onConfirmed(const std::vector<std::string>& entries);
    void showWorkList();
    void moveWorkListTo(QPoint pointer);

    Platform& platform_;
    std::vector<std::string> listSelection_;
    std::string doittext_;

    WorkListPanel* workList_ = nullptr;
    FunctionPanel* functions_ = nullptr;
    BottomBar* bottomBar_ = nullptr;
    FileBrowser* browser_ = nullptr;
    OutputDirectoryChooser* chooser_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QLabel* selectionCount_ = nullptr;
    QPointer<MapkeyChainDialog> mapkeyChain_;
    QPointer<ParameterListDialog> parameterList_;
    QPointer<ParameterDeletionDialog> parameterDeletion_;
    QPointer<CompletionDialog> completion_;
    QPointer<InfoDialog> info_;
};

}  // namespace stapelwerk
