#pragma once

#include <QPointer>
#include <QWidget>
#include <string_view>

#include "core/function_table.h"
#include "workflow/job_history.h"
#include "workflow/write_check.h"

class QCheckBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QSessionManager;

namespace stapelwerk {

class BottomBar;
class CompletionDialog;
class FileBrowser;
class FindingsDialog;
class FunctionPanel;
class InfoDialog;
class JobMenu;
class Job;
class LocateRunner;
class MapkeyChainDialog;
class OutputDirectoryChooser;
class ParameterDeletionDialog;
class ParameterListDialog;
class PreviewDialog;
class RecentJobsDialog;
class Platform;
class RunPanel;
class RunResultDialog;
class WorkListModel;
class WorkListPanel;

// The main window `Form1`: the panels and dialogs around one job.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(Platform& platform, Job& job, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Shutdown: asks first where a built mapkey was not written, then keeps the output
    // directory and the work list and closes every other window.
    void closeEvent(QCloseEvent* event) override;

private:
    void startUp();
    // Whether the user may go: no built mapkey waits to be written, or the user says to
    // leave it ("Nein", to stay, is the default).
    bool mayLeave();
    // The session ends: as leaving by the window, where the session lets the user answer.
    void commitData(QSessionManager& manager);
    // What the next start shows again; a failure to keep the list is shown.
    void keepWork();
    void setStatus(std::string_view text);
    // Stands the output-directory chooser on the bottom bar, at its left edge.
    void placeChooser();
    void installAutoMapkey();
    void confirm();
    // A function that needs input opens its dialog, which builds; one that needs none builds
    // at once.
    void startFunction(DoitFunction function);
    void openFunctionDialog(DoitFunction function);
    // A mapkey was built: it can now be looked at and written, with the journal's steps as
    // "Lauf protokollieren" says.
    void offerWrite();
    // "Lauf protokollieren" switched: remembered, and a pending mapkey built again.
    void switchJournal(bool on);
    void openRunResult();
    // A job record chosen by the user becomes the job: its work list, output directory and,
    // where it was built, its build, ready to write. A record that cannot be read changes
    // nothing.
    void openJob();
    void openJobFile(const std::string& path);
    void saveJobAs();
    void openRecentJobs();
    // The doit.pro of a job of the history in a preview of its own.
    void viewKeptJob(const workflow::KeptJob& kept);
    // The result window built the rest of the run: it goes into the run's directory, with
    // the journal, checked as every write.
    void writeRemainder(const QString& directory);
    // The write button and the preview beside it, while a built mapkey waits.
    void setWriteOffered(bool offered);
    // Checks the pending text first: what the check finds is shown and the user decides;
    // with nothing found it is written at once. Where the look-up of the files runs, the
    // write waits for it.
    void writeDoitFile();
    // A visible, cancellable wait for the look-up; a cancel writes nothing and shows what the
    // check found besides, with the look-up's end as a finding.
    void waitForLookup();
    void lookupFinished();
    // The check's other findings with the look-up's `located`: shown, or with none the file
    // is written.
    void showFindingsOrWrite(workflow::Findings located);
    // Writes the pending text to doit.pro and opens the completion dialog; a failure is
    // reported, and then no dialog opens and the write button stays.
    void writeCheckedFile();
    // Unmarks the entries of the work list that the findings concern and shows the list,
    // to be confirmed and built again.
    void unmarkConcerned(const workflow::Findings& findings);
    template <typename Dialog>
    void openDialog(QPointer<Dialog>& slot);
    void showWorkList();
    void updateExplanation();
    void moveWorkListTo(QPoint pointer);

    Platform& platform_;
    Job& job_;

    WorkListModel* workListModel_ = nullptr;
    WorkListPanel* workList_ = nullptr;
    FunctionPanel* functions_ = nullptr;
    BottomBar* bottomBar_ = nullptr;
    FileBrowser* browser_ = nullptr;
    OutputDirectoryChooser* chooser_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QCheckBox* journalBox_ = nullptr;
    RunPanel* runPanel_ = nullptr;
    QLabel* selectionCount_ = nullptr;
    QLabel* explanation_ = nullptr;
    // The user chose to leave the built mapkey unwritten; a new build asks again.
    bool leaveAccepted_ = false;
    QPointer<MapkeyChainDialog> mapkeyChain_;
    QPointer<ParameterListDialog> parameterList_;
    QPointer<ParameterDeletionDialog> parameterDeletion_;
    QPointer<CompletionDialog> completion_;
    QPointer<FindingsDialog> findings_;
    LocateRunner* locator_ = nullptr;
    QPointer<QProgressDialog> lookupWait_;
    QPointer<PreviewDialog> preview_;
    QPointer<InfoDialog> info_;
    QPointer<RunResultDialog> runResult_;
    QPointer<RecentJobsDialog> recentJobs_;
    QPointer<PreviewDialog> keptPreview_;
};

}  // namespace stapelwerk
