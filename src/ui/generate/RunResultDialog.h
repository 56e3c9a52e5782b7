#pragma once

#include <QDialog>

#include "workflow/run_results.h"
#include "workflow/run_watch.h"

namespace stapelwerk {

class Job;
class Platform;

// `frm_ergebnis`: every entry of the last run with its result, the counts, and the ways on:
// copy the names of the entries not done, or build doit.pro for them ("Rest erzeugen",
// after a question whose default is No) as stapelwerk-batch resume builds it. The results are
// those of its opening, so that the rest is what the user saw.
class RunResultDialog : public QDialog {
    Q_OBJECT
public:
    RunResultDialog(Platform& platform, Job& job, workflow::RunWatch run, QWidget* owner);

signals:
    // The job's pending text is now that of the rest, to be checked and written to
    // `directory`, the run's.
    void remainderBuilt(const QString& directory);
    void statusReport(const QString& text);

private:
    void copyNames();
    void buildRemainder();

    Platform& platform_;
    Job& job_;
    workflow::RunWatch run_;
    workflow::RunResults results_;
};

}  // namespace stapelwerk
