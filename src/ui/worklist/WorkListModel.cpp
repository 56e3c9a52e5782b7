#include "ui/worklist/WorkListModel.h"

#include <QScopedValueRollback>

#include "ui/widgets/QtText.h"

namespace stapelwerk {

WorkListModel::WorkListModel(WorkList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), selection_(this) {
    connect(&selection_, &QItemSelectionModel::selectionChanged, this,
            &WorkListModel::followSelection);
}

int WorkListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant WorkListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return qt(list_.entries()[static_cast<std::size_t>(index.row())].text);
}

// A content that the views take whole, with the selection its flags make.
void WorkListModel::showContent(const std::function<void()>& change) {
    {
        // The old selection goes with the old content, not into the flags.
        const QScopedValueRollback showing(showingFlags_, true);
        beginResetModel();
        change();
        endResetModel();
    }
    showFlags();
}

void WorkListModel::setEntries(WorkEntries entries, ListChange change) {
    WorkEntries before = list_.entries();
    showContent([&] { list_.assign(std::move(entries)); });
    history_.record(std::move(before), list_, change);
}

void WorkListModel::restore(WorkEntries entries) {
    showContent([&] { list_.assign(std::move(entries)); });
    if (rowCount() > 0) emit selectionEdited();  // an empty list counts nothing, as cleared
}

void WorkListModel::append(std::string text) {
    append(std::vector<std::string>{std::move(text)}, false, ListChange::typed);
}

void WorkListModel::append(const std::vector<std::string>& texts, bool selected,
                           ListChange change) {
    if (texts.empty()) return;
    WorkEntries before = list_.entries();
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(texts.size()) - 1);
    for (const std::string& text : texts) list_.append(text, selected);
    endInsertRows();
    history_.record(std::move(before), list_, change);
    if (!selected) return;
    {
        const QScopedValueRollback showing(showingFlags_, true);
        selection_.select(QItemSelection(index(first), index(rowCount() - 1)),
                          QItemSelectionModel::Select);
    }
    emit selectionEdited();
}

void WorkListModel::clear() { setEntries({}, ListChange::clear); }

void WorkListModel::removeSelected() {
    WorkEntries before = list_.entries();
    showContent([this] { list_.removeSelected(); });
    history_.record(std::move(before), list_, ListChange::removal);
    emit selectionEdited();
}

bool WorkListModel::undo() {
    if (!history_.canUndo()) return false;
    showContent([this] { history_.undo(list_); });
    emit selectionEdited();
    return true;
}

void WorkListModel::setAllSelected(bool selected) {
    list_.setAllSelected(selected);
    showFlags();
    emit selectionEdited();
}

void WorkListModel::unselect(const std::vector<std::size_t>& rows) {
    for (const std::size_t row : rows) list_.setSelected(row, 1, false);
    showFlags();
    emit selectionEdited();
}

void WorkListModel::changeTexts(const std::function<void(WorkList&)>& change) {
    WorkEntries before = list_.entries();
    change(list_);
    if (rowCount() > 0) emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
    history_.record(std::move(before), list_, ListChange::extension);
}

void WorkListModel::followSelection(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    if (showingFlags_) return;
    for (const QItemSelectionRange& range : deselected) {
        list_.setSelected(static_cast<std::size_t>(range.top()),
                          static_cast<std::size_t>(range.height()), false);
    }
    for (const QItemSelectionRange& range : selected) {
        list_.setSelected(static_cast<std::size_t>(range.top()),
                          static_cast<std::size_t>(range.height()), true);
    }
    emit selectionEdited();
}

// Runs of selected entries become ranges of the views' selection, which then must not
// echo back into the flags.
void WorkListModel::showFlags() {
    QItemSelection runs;
    const WorkEntries& entries = list_.entries();
    for (std::size_t first = 0; first < entries.size();) {
        if (!entries[first].selected) {
            ++first;
            continue;
        }
        std::size_t end = first;
        while (end < entries.size() && entries[end].selected) ++end;
        runs.select(index(static_cast<int>(first)), index(static_cast<int>(end - 1)));
        first = end;
    }
    const QScopedValueRollback showing(showingFlags_, true);
    selection_.select(runs, QItemSelectionModel::ClearAndSelect);
}

}  // namespace stapelwerk
