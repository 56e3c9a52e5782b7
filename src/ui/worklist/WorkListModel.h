#pragma once

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/work_list.h"
#include "worklist/list_history.h"

namespace stapelwerk {

// The job's work list as the views see it, and the one way the widgets change it, so
// that every view hears of a change at once. Its selection model and the list's flags
// stay in step: what the user marks in a view is what the job confirms.
class WorkListModel : public QAbstractListModel {
    Q_OBJECT
public:
    WorkListModel(WorkList& list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const WorkList& list() const { return list_; }
    // The selection every view of the list shares.
    QItemSelectionModel* selectionModel() { return &selection_; }

    // Each change of the content can be undone, as the list's history decides.

    // A whole new content; the views' selection follows the entries' flags.
    void setEntries(WorkEntries entries, ListChange change);
    // The content the last run left, with its flags: where the list starts, no change to undo.
    void restore(WorkEntries entries);
    // A typed entry, unselected, at the end.
    void append(std::string text);
    // Adds entries at the end, selected or not, as one range.
    void append(const std::vector<std::string>& texts, bool selected, ListChange change);
    void clear();
    void removeSelected();
    // Selects or deselects every entry, as one range.
    void setAllSelected(bool selected);
    // Deselects the entries at `rows`, which lie inside the list.
    void unselect(const std::vector<std::size_t>& rows);
    // Lets `change` edit the texts of the entries (never their number or flags).
    void changeTexts(const std::function<void(WorkList&)>& change);
    // Back to the content before the latest change; false when there is none.
    bool undo();

signals:
    // The selection was changed by the user or by setAllSelected, or came back with the
    // list the last run left; any other new content that brings its own flags does not count.
    void selectionEdited();

private:
    void followSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void showFlags();
    void showContent(const std::function<void()>& change);

    WorkList& list_;
    ListHistory history_;
    QItemSelectionModel selection_;
    bool showingFlags_ = false;
};

}  // namespace stapelwerk
