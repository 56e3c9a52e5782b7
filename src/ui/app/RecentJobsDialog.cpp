#include "ui/app/RecentJobsDialog.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/texts.h"
#include "ui/widgets/QtText.h"

namespace stapelwerk {

namespace {
QString whenWritten(FileTime written) {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(written.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(milliseconds.count()).toString("dd.MM.yyyy HH:mm");
}

QPushButton* button(const char* name, std::string_view text, std::string_view spoken,
                    QWidget* dialog) {
    auto* made = new QPushButton(qt(text), dialog);
    made->setObjectName(name);
    made->setAccessibleName(qt(spoken));
    return made;
}
}  // namespace

RecentJobsDialog::RecentJobsDialog(std::vector<workflow::KeptJob> jobs, QWidget* owner)
    : QDialog(owner), jobs_(std::move(jobs)) {
    setObjectName("frm_auftraege");
    setWindowTitle(qt(texts::kRecentJobsTitle));
    list_ = new QListWidget(this);
    list_->setObjectName("list_auftraege");
    list_->setAccessibleName(qt(texts::kRecentJobsListName));
    for (const workflow::KeptJob& job : jobs_) {
        list_->addItem(qt(texts::recentJobLine(whenWritten(job.written).toStdString(),
                                               rowOf(job.function).command, job.entryCount)));
    }
    list_->setCurrentRow(0);
    auto* open = button("cmd_oeffnen", texts::kRecentJobOpen, texts::kRecentJobOpenName, this);
    auto* view = button("cmd_ansehen", texts::kRecentJobView, texts::kRecentJobViewName, this);
    auto* close = button("cmd_schliessen", texts::kClose, texts::kClose, this);
    open->setEnabled(!jobs_.empty());
    view->setEnabled(!jobs_.empty());
    open->setDefault(!jobs_.empty());
    connect(open, &QPushButton::clicked, this, [this] {
        if (const workflow::KeptJob* job = chosen()) emit openRequested(*job);
    });
    connect(list_, &QListWidget::itemActivated, open, &QPushButton::click);
    connect(view, &QPushButton::clicked, this, [this] {
        if (const workflow::KeptJob* job = chosen()) emit viewRequested(*job);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(view);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo({480, 320}));
}

const workflow::KeptJob* RecentJobsDialog::chosen() const {
    const int row = list_->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < jobs_.size()
               ? &jobs_[static_cast<std::size_t>(row)]
               : nullptr;
}

}  // namespace stapelwerk
