#pragma once

#include <QAbstractTableModel>

#include "core/job_record.h"
#include "workflow/run_results.h"

namespace stapelwerk {

// The entries of a run as the result window's table sees them: number, entry, result. It
// reads the record and the results it is given, which outlive it.
class RunResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RunResultModel(const JobRecord& record, const workflow::RunResults& results, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const JobRecord& record_;
    const workflow::RunResults& results_;
};

}  // namespace stapelwerk
