#pragma once

#include <QDialog>
#include <vector>

#include "workflow/job_history.h"

class QListWidget;

namespace stapelwerk {

// `frm_auftraege`: the last jobs written, newest first, each with when, its function and how
// many entries; one is opened as the job, or its doit.pro looked at in the preview.
class RecentJobsDialog : public QDialog {
    Q_OBJECT
public:
    RecentJobsDialog(std::vector<workflow::KeptJob> jobs, QWidget* owner);

signals:
    void openRequested(const workflow::KeptJob& job);
    void viewRequested(const workflow::KeptJob& job);

private:
    const workflow::KeptJob* chosen() const;

    std::vector<workflow::KeptJob> jobs_;
    QListWidget* list_ = nullptr;
};

}  // namespace stapelwerk
