#include "ui/generate/RunPanel.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <limits>

#include "core/settings_access.h"
#include "core/texts.h"
#include "platform/text_file.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "workflow/run_progress.h"

namespace stapelwerk {

namespace {
constexpr int kSettleMs = 500;
}  // namespace

RunPanel::RunPanel(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setObjectName("Frame_lauf");
    bar_ = new QProgressBar(this);
    bar_->setObjectName("bar_lauf");
    bar_->setAccessibleName(qt(texts::kRunProgressName));
    placeTwips(bar_, 0, 60, 2760, 255);

    resultButton_ = new QPushButton(qt(texts::kRunResultButton), this);
    resultButton_->setObjectName("cmd_ergebnis");
    resultButton_->setAccessibleName(qt(texts::kRunResultButtonName));
    placeTwips(resultButton_, 2880, 0, 2055, 375);
    connect(resultButton_, &QPushButton::clicked, this, &RunPanel::resultRequested);

    line_ = new QLabel(this);
    line_->setObjectName("lbl_lauf");
    line_->setWordWrap(true);
    line_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(line_, 0, 435, 4935, 540);

    files_ = new QFileSystemWatcher(this);
    connect(files_, &QFileSystemWatcher::fileChanged, this, &RunPanel::readJournal);
    connect(files_, &QFileSystemWatcher::directoryChanged, this, &RunPanel::readJournal);
    quiet_ = new QTimer(this);
    quiet_->setObjectName("tmr_stillstand");
    quiet_->setSingleShot(true);
    connect(quiet_, &QTimer::timeout, this, [this] {
        if (run_) line_->setText(qt(workflow::standingText(*run_, quietMinutes_)));
    });
    settle_ = new QTimer(this);
    settle_->setObjectName("tmr_folgen");
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMs);
    connect(settle_, &QTimer::timeout, this, [this] {
        if (coming_ != followed_) follow(coming_);
    });
    hide();
}

void RunPanel::unwatch() {
    quiet_->stop();
    if (!files_->files().isEmpty()) files_->removePaths(files_->files());
    if (!files_->directories().isEmpty()) files_->removePaths(files_->directories());
}

void RunPanel::forget() {
    unwatch();
    run_.reset();
    hide();
}

void RunPanel::followSoon(const std::string& directory) {
    coming_ = directory;
    settle_->start();
}

void RunPanel::follow(const std::string& directory) {
    forget();
    settle_->stop();
    followed_ = directory;
    Result<workflow::RunWatch> opened = workflow::RunWatch::open(directory);
    if (!opened) {
        setVisible(!namesNothing(opened.failure()));
        bar_->hide();
        resultButton_->hide();
        line_->setText(qt(opened.message()));
        return;
    }
    run_ = std::move(*opened);
    quietMinutes_ =
        workflow::quietMinutes(settings::read(platform_, settings::kJournalQuietMinutes, ""));
    bar_->show();
    resultButton_->show();
    show();
    showProgress();
    watchFiles();
}

const std::optional<workflow::RunWatch>& RunPanel::latestRun() {
    readJournal();
    return run_;
}

void RunPanel::readJournal() {
    if (!run_) return;
    const Result<bool> read = run_->readJournal();
    if (!read) {
        line_->setText(qt(read.message()));
        return;
    }
    watchFiles();
    if (*read) showProgress();
}

void RunPanel::showProgress() {
    const workflow::RunProgress progress = workflow::progressOf(*run_);
    constexpr std::size_t kMost = std::numeric_limits<int>::max();
    bar_->setRange(0, static_cast<int>(std::min(progress.entries, kMost)));
    bar_->setValue(static_cast<int>(std::min(progress.reached, kMost)));
    line_->setText(qt(progress.text));
    if (progress.standsWhenQuiet) {
        quiet_->start(quietMinutes_ * 60 * 1000);
    } else {
        quiet_->stop();
    }
}

void RunPanel::watchFiles() {
    if (!run_ || !workflow::mayGoOn(*run_)) {
        unwatch();
        return;
    }
    const QString directory = qt(run_->directory());
    const QString journal = qt(run_->journalPath());
    if (!files_->directories().contains(directory)) files_->addPath(directory);
    // A journal that is not there yet comes with a change of its directory.
    if (!files_->files().contains(journal) && QFileInfo::exists(journal)) files_->addPath(journal);
}

}  // namespace stapelwerk
