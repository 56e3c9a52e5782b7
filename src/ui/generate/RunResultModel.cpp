#include "ui/generate/RunResultModel.h"

#include "core/texts.h"
#include "ui/widgets/QtText.h"

namespace stapelwerk {

namespace {
enum Column { kNumber, kEntry, kResult, kColumns };
}  // namespace

RunResultModel::RunResultModel(const JobRecord& record, const workflow::RunResults& results,
                               QObject* parent)
    : QAbstractTableModel(parent), record_(record), results_(results) {}

int RunResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(results_.results.size());
}

int RunResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant RunResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    const auto entry = static_cast<std::size_t>(index.row());
    switch (index.column()) {
        case kNumber:
            return QString::number(entry + 1);
        case kEntry:
            return qt(record_.entry(entry));
        default:
            return qt(workflow::resultName(results_.results[entry]));
    }
}

QVariant RunResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kNumber:
            return qt(texts::kRunResultNumber);
        case kEntry:
            return qt(texts::kRunResultEntry);
        default:
            return qt(texts::kRunResultResult);
    }
}

}  // namespace stapelwerk
