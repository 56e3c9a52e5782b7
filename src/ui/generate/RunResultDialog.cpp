#include "ui/generate/RunResultDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "core/job.h"
#include "core/texts.h"
#include "platform/platform.h"
#include "ui/generate/RunResultModel.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/twips.h"
#include "workflow/resume.h"
#include "workflow/run_progress.h"

namespace stapelwerk {

namespace {
QPushButton* addButton(QWidget* dialog, const char* name, std::string_view text,
                       std::string_view spoken, int left, int width) {
    auto* button = new QPushButton(qt(text), dialog);
    button->setObjectName(name);
    button->setAccessibleName(qt(spoken));
    placeTwips(button, left, 5160, width, 375);
    return button;
}
}  // namespace

RunResultDialog::RunResultDialog(Platform& platform, Job& job, workflow::RunWatch run,
                                 QWidget* owner)
    : QDialog(owner),
      platform_(platform),
      job_(job),
      run_(std::move(run)),
      results_(run_.results()) {
    setObjectName("frm_ergebnis");
    setWindowTitle(qt(texts::kRunResultTitle));
    resize(twips(7200), twips(5655));

    auto* summary = new QLabel(qt(workflow::resultSummary(run_.record(), results_)), this);
    summary->setObjectName("lbl_zahlen");
    summary->setWordWrap(true);
    placeTwips(summary, 120, 120, 6960, 495);
    std::string notes;
    for (const std::string& note : run_.notes(results_)) notes.append(note).append("\n");
    auto* noted = new QLabel(qt(notes).trimmed(), this);
    noted->setObjectName("lbl_hinweise");
    noted->setWordWrap(true);
    placeTwips(noted, 120, 660, 6960, 735);

    auto* table = new QTableView(this);
    table->setObjectName("list_ergebnis");
    table->setAccessibleName(qt(texts::kRunResultListName));
    table->setModel(new RunResultModel(run_.record(), results_, table));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    FocusFrame::attach(table);
    placeTwips(table, 120, 1440, 6960, 3600);

    const bool rest = !results_.allDone();
    QPushButton* copy = addButton(this, "cmd_kopieren", texts::kRunResultCopy,
                                  texts::kRunResultCopyName, 120, 2055);
    copy->setEnabled(rest);
    connect(copy, &QPushButton::clicked, this, &RunResultDialog::copyNames);
    QPushButton* remainder = addButton(this, "cmd_rest", texts::kRunResultRemainder,
                                       texts::kRunResultRemainderName, 2295, 2055);
    remainder->setEnabled(rest);
    connect(remainder, &QPushButton::clicked, this, &RunResultDialog::buildRemainder);
    QPushButton* close = addButton(this, "cmd_schliessen", texts::kRunResultClose,
                                   texts::kRunResultCloseName, 5400, 1680);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(table, copy);
    setTabOrder(copy, remainder);
    setTabOrder(remainder, close);
    // Where the user has to act: the first entry not done.
    const auto firstNotDone = std::ranges::find_if(
        results_.results,
        [](workflow::EntryResult result) { return result != workflow::EntryResult::done; });
    if (firstNotDone != results_.results.end()) {
        const auto row = static_cast<int>(firstNotDone - results_.results.begin());
        table->selectRow(row);
        table->scrollTo(table->model()->index(row, 0), QAbstractItemView::PositionAtTop);
    }
    table->setFocus();
    if (owner != nullptr) centreOn(this, owner->window()->frameGeometry());
}

void RunResultDialog::copyNames() {
    const std::string names = workflow::namesNotDone(run_.record(), results_);
    QGuiApplication::clipboard()->setText(qt(names));
    emit statusReport(qt(texts::statusNamesCopied(results_.notDone())));
}

void RunResultDialog::buildRemainder() {
    if (!platform_.ask(texts::questionRemainder(results_.notDone(), run_.directory()))) {
        return;
    }
    if (const Result<> built = workflow::buildRemainingJob(job_, run_.record(), results_); !built) {
        platform_.showMessage(built.message());
        return;
    }
    emit remainderBuilt(qt(run_.directory()));
    accept();
}

}  // namespace stapelwerk
