#include "ui/app/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>

#include "app/program_place.h"
#include "app/startup.h"
#include "core/job.h"
#include "core/settings_access.h"
#include "core/texts.h"
#include "platform/platform.h"
#include "ui/app/BottomBar.h"
#include "ui/app/ExplanationTracker.h"
#include "ui/app/InfoDialog.h"
#include "ui/app/JobMenu.h"
#include "ui/app/RecentJobsDialog.h"
#include "ui/generate/CompletionDialog.h"
#include "ui/generate/FindingsDialog.h"
#include "ui/generate/FunctionPanel.h"
#include "ui/generate/LocateRunner.h"
#include "ui/generate/MapkeyChainDialog.h"
#include "ui/generate/PreviewDialog.h"
#include "ui/generate/RunPanel.h"
#include "ui/generate/RunResultDialog.h"
#include "ui/params/ParameterDeletionDialog.h"
#include "ui/params/ParameterListDialog.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/DialogSlot.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/twips.h"
#include "ui/worklist/FileBrowser.h"
#include "ui/worklist/OutputDirectoryChooser.h"
#include "ui/worklist/WorkListModel.h"
#include "ui/worklist/WorkListPanel.h"
#include "workflow/functions.h"
#include "workflow/install_auto.h"
#include "workflow/job_files.h"
#include "workflow/recorded_job.h"
#include "workflow/run_progress.h"
#include "workflow/write_check.h"
#include "worklist/confirm.h"

namespace stapelwerk {

namespace {
// The window is designed 8000 x 6000 twips from frame edge to frame edge.
constexpr int kOuterWidth = 8000;
constexpr int kOuterHeight = 6000;
constexpr int kBottomBarMargin = 500;
// A look-up of local directories ends before its wait would show.
constexpr int kLookupWaitShownAfterMs = 400;
constexpr int kLookupProgressEveryMs = 100;
}  // namespace

MainWindow::MainWindow(Platform& platform, Job& job, QWidget* parent)
    : QWidget(parent), platform_(platform), job_(job) {
    setObjectName("Form1");
    setWindowTitle(qt(texts::kMainWindowTitle));
    locator_ = new LocateRunner(platform_, this);
    connect(locator_, &LocateRunner::finished, this, &MainWindow::lookupFinished);

    auto* files = new PictureButton("img_files", artwork::filesPicture({twips(870), twips(975)}),
                                    qt(texts::kShowWorkList), qt(texts::kShowWorkList), this);
    placeTwips(files, 240, 0, 870, 975);
    connect(files, &PictureButton::clicked, this, &MainWindow::showWorkList);

    auto* info = new PictureButton("Image1", artwork::infoPicture({twips(480), twips(480)}),
                                   qt(texts::kInfoToolTip), qt(texts::kShowInfo), this);
    placeTwips(info, 7200, 240, 480, 480);
    connect(info, &PictureButton::clicked, this,
            [this] { openOrRaise(info_, [this] { return new InfoDialog(platform_, this); }); });

    auto* jobMenu = new JobMenu(this);
    // In the column under the documents, which neither the work list nor the functions take.
    placeTwips(jobMenu, 60, 1080, 900, 375);
    connect(jobMenu, &JobMenu::openRequested, this, &MainWindow::openJob);
    connect(jobMenu, &JobMenu::saveRequested, this, &MainWindow::saveJobAs);
    connect(jobMenu, &JobMenu::recentRequested, this, &MainWindow::openRecentJobs);

    explanation_ = new QLabel(qt(texts::kExplainStart), this);
    QLabel* explanation = explanation_;
    explanation->setObjectName("Erklaer");
    explanation->setAccessibleName(qt(texts::kExplanationName));
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(explanation, 2040, 1200, 4935, 2655);

    writeButton_ = new QPushButton(qt(texts::kWriteButton), this);
    writeButton_->setObjectName("cmd_fcreate");
    placeTwips(writeButton_, 2880, 2520, 2895, 375);
    writeButton_->hide();
    connect(writeButton_, &QPushButton::clicked, this, &MainWindow::writeDoitFile);

    previewButton_ = new QPushButton(qt(texts::kPreviewButton), this);
    previewButton_->setObjectName("cmd_preview");
    previewButton_->setAccessibleName(qt(texts::kPreviewButtonName));
    placeTwips(previewButton_, 5835, 2520, 1140, 375);
    previewButton_->hide();
    connect(previewButton_, &QPushButton::clicked, this, [this] {
        openOrRaise(preview_, [this] { return new PreviewDialog(job_, *locator_, this); });
    });

    journalBox_ = new QCheckBox(qt(texts::kJournalBox), this);
    journalBox_->setObjectName("chk_journal");
    journalBox_->setAccessibleName(qt(texts::kJournalBoxName));
    journalBox_->setToolTip(qt(texts::kExplainJournal));
    journalBox_->setChecked(settings::journalChosen(platform_));
    placeTwips(journalBox_, 2880, 2955, 2895, 300);
    journalBox_->hide();
    connect(journalBox_, &QCheckBox::toggled, this, &MainWindow::switchJournal);

    runPanel_ = new RunPanel(platform_, this);
    placeTwips(runPanel_, 2040, 3330, 4935, 975);
    connect(runPanel_, &RunPanel::resultRequested, this, &MainWindow::openRunResult);

    functions_ = new FunctionPanel(this);
    functions_->hide();
    connect(functions_, &FunctionPanel::functionRequested, this, &MainWindow::startFunction);

    workListModel_ = new WorkListModel(job_.workList, this);
    workList_ = new WorkListPanel(platform_, *workListModel_, this);
    connect(workList_, &WorkListPanel::confirmRequested, this, &MainWindow::confirm);
    // The function panel stands where the work list stands: one of them is shown at a time.
    connect(workList_, &WorkListPanel::closed, this, [this] {
        if (!job_.confirmedEntries.empty()) functions_->show();
        updateExplanation();
    });
    connect(workList_, &WorkListPanel::statusReport, this,
            [this](const QString& text) { setStatus(text.toStdString()); });

    browser_ = new FileBrowser(platform_, *workListModel_, this);
    browser_->hide();
    connect(workList_, &WorkListPanel::fileBrowserRequested, this, [this] {
        browser_->show();
        browser_->raise();
    });
    connect(browser_, &FileBrowser::finished, workList_, &WorkListPanel::hideMenu);

    bottomBar_ = new BottomBar(this);
    connect(bottomBar_, &BottomBar::outputDirectoryChanged, this, [this](const QString& directory) {
        job_.outputDirectory = directory.toStdString();
        // Not while the picture of the write stands where the panel shows.
        if (completion_.isNull()) runPanel_->followSoon(job_.outputDirectory);
    });
    job_.outputDirectory = bottomBar_->outputDirectory().toStdString();
    connect(bottomBar_, &BottomBar::exitRequested, this, &QWidget::close);
    connect(bottomBar_, &BottomBar::chooserRequested, this, &MainWindow::placeChooser);
    connect(bottomBar_, &BottomBar::autoRequested, this, &MainWindow::installAutoMapkey);

    chooser_ = new OutputDirectoryChooser(platform_, this);
    chooser_->hide();
    connect(chooser_, &OutputDirectoryChooser::chosen, bottomBar_, &BottomBar::setOutputDirectory);
    connect(browser_, &FileBrowser::statusReport, bottomBar_, &BottomBar::setStatus);
    connect(chooser_, &OutputDirectoryChooser::statusReport, bottomBar_, &BottomBar::setStatus);

    selectionCount_ = new QLabel(this);
    selectionCount_->setObjectName("lbl_count");
    selectionCount_->hide();

    startUp();
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::commitData);

    // Last, so that it finds every explained control.
    new ExplanationTracker(this, explanation, [this] { return job_.outputDirectory; });
}

void MainWindow::startUp() {
    StartupState state = decideStartup(platform_);
    bottomBar_->setUserName(qt(state.userName));
    bottomBar_->setOutputDirectory(qt(state.outputDirectory));
    resize(twips(kOuterWidth - kDesignFrameWidth), twips(kOuterHeight - kDesignFrameHeight));
    // Smaller, the bottom bar (the output folder, the status line, exit) would go out of sight.
    setMinimumSize(size());
    bottomBar_->move(bottomBar_->x(),
                     twips(kOuterHeight - toTwips(bottomBar_->height()) - kBottomBarMargin));
    workList_->move(twips(1000), twips(400));
    bottomBar_->raise();
    workListModel_->restore(std::move(state.keptList));
    workList_->show();
    if (state.outputDirectoryExists) {
        chooser_->showDirectory(qt(state.outputDirectory));
        workList_->focusList();
    } else {
        workList_->hide();
        placeChooser();
    }
    setStatus(state.status);
    // The last run's result, when its record is there. Its panel lies under the work list
    // until that goes: meanwhile the status line tells of it (Alt+L reaches the panel's button).
    if (state.outputDirectoryExists) {
        runPanel_->follow(state.outputDirectory);
        if (const auto& run = runPanel_->latestRun()) {
            const workflow::RunProgress progress = workflow::progressOf(*run);
            setStatus(texts::statusLastRun(progress.reached, progress.entries));
        }
    }
    updateExplanation();
    QStringList patterns;
    for (const std::string_view pattern : kFilePatterns) patterns << qt(pattern);
    browser_->addPatterns(patterns);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    keepWork();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) window->close();
    }
    QWidget::closeEvent(event);
}

bool MainWindow::mayLeave() {
    if (writeButton_->isHidden() || leaveAccepted_) return true;
    leaveAccepted_ = platform_.ask(std::string(texts::kQuestionLeaveUnwritten));
    return leaveAccepted_;
}

void MainWindow::commitData(QSessionManager& manager) {
    if (!writeButton_->isHidden() && manager.allowsInteraction()) {
        const bool leave = mayLeave();
        manager.release();
        if (!leave) {
            manager.cancel();
            return;
        }
    }
    keepWork();
}

void MainWindow::keepWork() {
    if (const Result<> kept = keepForNextStart(platform_, job_); !kept) {
        platform_.showMessage(kept.message());
    }
}

void MainWindow::placeChooser() {
    chooser_->move(bottomBar_->x(), bottomBar_->y() - chooser_->height());
    chooser_->show();
    chooser_->raise();
    chooser_->focusDirectories();
}

void MainWindow::installAutoMapkey() {
    setStatus(texts::kStatusReadingFile);
    const Result<workflow::AutoInstall> install =
        workflow::prepareAutoInstall(job_.outputDirectory, fallbackDirectory(platform_));
    if (!install) {
        platform_.showMessage(install.message());
        return;
    }
    if (!install->notice.empty()) platform_.showMessage(install->notice);
    if (install->definesAuto && !platform_.ask(std::string(texts::kQuestionAutoMapkeyDefined))) {
        return;
    }
    const Result<std::string> installed = workflow::installAutoMapkey(*install);
    platform_.showMessage(installed ? *installed : installed.message());
}

void MainWindow::setStatus(std::string_view text) { bottomBar_->setStatus(qt(text)); }

void MainWindow::confirm() {
    const Result<std::string> report = confirmSelection(job_);
    if (!report) {
        platform_.showMessage(report.message());
        return;
    }
    // They name entries by their place among those confirmed before.
    if (findings_) findings_->close();
    workList_->hideMenu();
    workList_->hide();
    functions_->show();
    updateExplanation();
    functions_->setFocus();  // on to the first function, for the keyboard
    selectionCount_->setText(QString::number(job_.confirmedEntries.size()));
    setStatus(*report);
}

void MainWindow::startFunction(DoitFunction function) {
    if (rowOf(function).needs.anything()) {
        openFunctionDialog(function);
        return;
    }
    if (const Result<> built = workflow::buildPendingText(
            job_, {.function = function, .journal = journalBox_->isChecked()});
        !built) {
        platform_.showMessage(built.message());
        return;
    }
    offerWrite();
}

void MainWindow::openFunctionDialog(DoitFunction function) {
    switch (function) {
        case DoitFunction::mapkeyChain:
            openDialog(mapkeyChain_);
            break;
        case DoitFunction::parameterAssignment:
            openDialog(parameterList_);
            break;
        case DoitFunction::parameterDeletion:
            openDialog(parameterDeletion_);
            break;
        case DoitFunction::saveAs:  // it asks for nothing
            break;
    }
}

template <typename Dialog>
void MainWindow::openDialog(QPointer<Dialog>& slot) {
    openOrRaise(slot, [this] {
        auto* dialog = new Dialog(platform_, job_, this);
        connect(dialog, &Dialog::built, this, &MainWindow::offerWrite);
        return dialog;
    });
}

void MainWindow::offerWrite() {
    if (const Result<> built = workflow::switchJournal(job_, journalBox_->isChecked()); !built) {
        platform_.showMessage(built.message());
    }
    if (findings_) findings_->close();  // they were of the text built before
    setWriteOffered(true);
    leaveAccepted_ = false;
    writeButton_->setFocus();
    if (preview_) preview_->showPendingText();
    setStatus(texts::kStatusReadyToWrite);
}

void MainWindow::switchJournal(bool on) {
    settings::write(platform_, settings::kJournal, on ? "1" : "0");
    if (writeButton_->isHidden()) return;  // the next build takes it
    if (const Result<> built = workflow::switchJournal(job_, on); !built) {
        platform_.showMessage(built.message());
        return;
    }
    if (preview_) preview_->showPendingText();
}

void MainWindow::openRunResult() {
    if (!runPanel_->latestRun()) return;
    if (runResult_) runResult_->close();  // of the run as it stood then
    openOrRaise(runResult_, [this] {
        auto* dialog = new RunResultDialog(platform_, job_, *runPanel_->latestRun(), this);
        connect(dialog, &RunResultDialog::remainderBuilt, this, &MainWindow::writeRemainder);
        connect(dialog, &RunResultDialog::statusReport, bottomBar_, &BottomBar::setStatus);
        return dialog;
    });
}

void MainWindow::openJob() {
    // An unwritten build would be replaced.
    if (!mayLeave()) return;
    const std::string path =
        platform_.chooseFileIn({std::string(texts::kOpenJobTitle), job_.outputDirectory,
                                std::string(texts::kJobFileFilter)});
    if (!path.empty()) openJobFile(path);
}

void MainWindow::openJobFile(const std::string& path) {
    const Result<JobRecord> record = readJobRecordFile(path);
    if (!record) {
        platform_.showMessage(record.message());
        return;
    }
    Result<Job> opened =
        workflow::recordedJob(*record, workflow::recordedOutputDirectory(*record, path));
    if (!opened) {
        platform_.showMessage(opened.message());
        return;
    }
    WorkEntries lines = opened->workList.entries();
    const bool built = !opened->pendingText().empty();
    job_ = std::move(*opened);
    // The model learns of the list it shows; the job holds it already.
    workListModel_->restore(std::move(lines));
    bottomBar_->setOutputDirectory(qt(job_.outputDirectory));
    if (findings_) findings_->close();
    if (built) {
        workList_->hide();
        functions_->show();
        selectionCount_->setText(QString::number(job_.confirmedEntries.size()));
        const QSignalBlocker quiet(journalBox_);
        journalBox_->setChecked(job_.pendingInputs().journal);
        setWriteOffered(true);
        leaveAccepted_ = false;
        writeButton_->setFocus();
        if (preview_) preview_->showPendingText();
        updateExplanation();
    } else {
        showWorkList();
    }
    setStatus(texts::statusJobOpened(path, job_.workList.size()));
}

void MainWindow::openRecentJobs() {
    openOrRaise(recentJobs_, [this] {
        auto* dialog = new RecentJobsDialog(workflow::jobHistory(platform_.dataDirectory()), this);
        connect(dialog, &RecentJobsDialog::openRequested, this,
                [this](const workflow::KeptJob& kept) {
                    if (mayLeave()) openJobFile(kept.record);
                });
        connect(dialog, &RecentJobsDialog::viewRequested, this, &MainWindow::viewKeptJob);
        return dialog;
    });
}

void MainWindow::viewKeptJob(const workflow::KeptJob& kept) {
    Result<Job> viewed = workflow::keptJobToView(kept);
    if (!viewed) {
        platform_.showMessage(viewed.message());
        return;
    }
    if (keptPreview_) keptPreview_->close();  // of another job
    const auto held = std::make_shared<Job>(std::move(*viewed));
    openOrRaise(keptPreview_, [this, held] {
        auto* dialog = new PreviewDialog(*held, *locator_, this);
        // The job lives as long as the preview that reads it.
        connect(dialog, &QObject::destroyed, this, [held] {});
        return dialog;
    });
}

void MainWindow::saveJobAs() {
    const std::string path =
        platform_.chooseFileIn({std::string(texts::kSaveJobTitle), job_.outputDirectory,
                                std::string(texts::kJobFileFilter), true});
    if (path.empty()) return;
    if (const Result<> saved = workflow::saveJob(job_, path); !saved) {
        platform_.showMessage(saved.message());
        return;
    }
    setStatus(texts::statusJobSaved(path));
}

void MainWindow::writeRemainder(const QString& directory) {
    bottomBar_->setOutputDirectory(directory);
    // The rest has its journal: the box shows what the pending mapkey holds.
    const QSignalBlocker quiet(journalBox_);
    journalBox_->setChecked(true);
    if (findings_) findings_->close();
    setWriteOffered(true);
    if (preview_) preview_->showPendingText();
    writeDoitFile();
}

void MainWindow::writeDoitFile() {
    // Save-as makes what it does not find: of it the look-up has nothing to say.
    if (locator_->switchedOff() || !rowOf(job_.pendingInputs().function).opensFiles) {
        showFindingsOrWrite({});
        return;
    }
    // Afresh: files may have been put in place since the last look.
    locator_->start(job_);
    waitForLookup();
}

void MainWindow::waitForLookup() {
    auto* wait = new QProgressDialog(this);
    wait->setObjectName("frm_fundorte");
    wait->setWindowTitle(qt(texts::kFindingsDialogTitle));
    wait->setLabelText(qt(texts::kLocateStarting));
    wait->setCancelButtonText(qt(texts::kLocateCancel));
    // Nothing may build anew while the look-up of this build runs.
    wait->setWindowModality(Qt::ApplicationModal);
    wait->setRange(0, 0);
    wait->setMinimumDuration(kLookupWaitShownAfterMs);
    auto* poll = new QTimer(wait);
    connect(poll, &QTimer::timeout, wait, [this, wait] {
        const auto [read, places] = locator_->progress();
        if (places == 0) return;
        wait->setRange(0, static_cast<int>(places));
        wait->setValue(static_cast<int>(read));
        wait->setLabelText(qt(texts::locateProgress(std::min(read + 1, places), places)));
    });
    poll->start(kLookupProgressEveryMs);
    connect(wait, &QProgressDialog::canceled, this, [this, wait] {
        lookupWait_ = nullptr;
        wait->deleteLater();
        locator_->stop();
        showFindingsOrWrite({{workflow::FindingKind::locateStopped, {}, {}, {}}});
    });
    lookupWait_ = wait;
}

void MainWindow::lookupFinished() {
    if (!lookupWait_) return;  // a look-up for the preview
    QProgressDialog* wait = lookupWait_;
    lookupWait_ = nullptr;
    wait->disconnect(this);
    wait->hide();
    wait->deleteLater();
    showFindingsOrWrite(locator_->result()->outcome.findings);
}

void MainWindow::showFindingsOrWrite(workflow::Findings located) {
    const workflow::Findings findings = workflow::joined(
        workflow::checkPendingBuild(job_.confirmedEntries, job_.pendingInputs(),
                                    job_.outputDirectory, fallbackDirectory(platform_)),
        std::move(located));
    if (findings.empty()) {
        writeCheckedFile();
        return;
    }
    if (findings_) findings_->close();
    openOrRaise(findings_, [&] {
        auto* dialog = new FindingsDialog(job_.confirmedEntries, findings, *locator_, this);
        connect(dialog, &FindingsDialog::writeAnywayRequested, this, &MainWindow::writeCheckedFile);
        connect(dialog, &FindingsDialog::unmarkRequested, this, &MainWindow::unmarkConcerned);
        return dialog;
    });
}

void MainWindow::unmarkConcerned(const workflow::Findings& findings) {
    // The rows as the list stands now, which the browser may have changed meanwhile.
    const std::vector<std::size_t> rows =
        workflow::rowsConcerned(job_.workList, job_.confirmedEntries, findings);
    workListModel_->unselect(rows);
    showWorkList();
    setStatus(texts::statusEntriesUnmarked(rows.size()));
}

void MainWindow::writeCheckedFile() {
    const std::shared_ptr<const Lookup> lookup = locator_->result();
    // Only a look-up of this very list tells where its files are; else the working directory.
    const bool lookupOfThisList = lookup && lookup->entries == job_.confirmedEntries &&
                                  lookup->job.outputDirectory == job_.outputDirectory;
    const workflow::JobWrite written =
        workflow::writeJobFiles(job_, lookupOfThisList ? &lookup->outcome.locations : nullptr);
    if (!written.doitPro) {
        platform_.showMessage(written.doitPro.message());
        setStatus(texts::kStatusNotWritten);
        return;
    }
    // doit.pro is written: a record that is not is told, and the write goes on as written.
    if (!written.record) platform_.showMessage(written.record.message());
    setStatus(texts::kStatusWritten);
    setWriteOffered(false);
    if (written.record) {
        const Result<> kept = workflow::keepInJobHistory(platform_.dataDirectory(),
                                                         job_.outputDirectory, job_.pendingText());
        if (!kept) platform_.showMessage(kept.message());
    }
    // Without its record the run cannot be followed; the record there is of the run before.
    if (written.record) {
        runPanel_->follow(job_.outputDirectory);
    } else {
        runPanel_->forget();
    }
    openOrRaise(completion_, [this] {
        auto* dialog = new CompletionDialog(platform_, job_, this);
        // The picture stands where the run is shown, narrower: the run comes back with it gone.
        const bool following = runPanel_->isVisible();
        runPanel_->hide();
        // Not to the window itself: the dialog also goes when the window is destroyed, and
        // the explanation, made earlier, goes before it.
        connect(dialog, &QObject::destroyed, explanation_,
                [explanation = explanation_, list = workList_, panel = runPanel_, following] {
                    explanation->setVisible(list->isHidden());
                    panel->setVisible(following);
                });
        return dialog;
    });
    updateExplanation();
}

// The designed place would put the panel's lower part, "ok" among it, under the bottom
// bar; it moves up as far as needed, as a right press on the background moves it.
void MainWindow::showWorkList() {
    moveWorkListTo({twips(240), twips(960)});
    functions_->hide();
    workList_->show();
    workList_->focusList();
    updateExplanation();
    setWriteOffered(false);
}

// The explanation lies under the work list and the completion dialog; where they stand over
// it, it would show around them in pieces.
void MainWindow::updateExplanation() {
    explanation_->setVisible(workList_->isHidden() && completion_.isNull());
}

void MainWindow::setWriteOffered(bool offered) {
    writeButton_->setVisible(offered);
    previewButton_->setVisible(offered);
    journalBox_->setVisible(offered);
}

void MainWindow::moveWorkListTo(QPoint pointer) {
    QPoint place = pointer;
    if (place.x() + workList_->width() > width()) place.setX(width() - workList_->width());
    if (place.y() + workList_->height() > bottomBar_->y()) {
        place.setY(bottomBar_->y() - workList_->height());
    }
    workList_->move(place);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) moveWorkListTo(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

}  // namespace stapelwerk
