#pragma once

#include <QAbstractListModel>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "params/value_list.h"

namespace stapelwerk {

// The parameter dialog's values as its list view sees them, and the one way the dialog
// changes them: a new content is one reset, values added at the end one inserted range.
class ValueListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ValueListModel(QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const ValueList& list() const { return list_; }

    void setValues(std::vector<std::string> values);
    void append(std::vector<std::string> values);
    void clear();
    // The list's "markiertes löschen"; the views' selection goes with the old content.
    void removeMarkedAndEmpty(std::optional<std::size_t> marked);

private:
    template <typename Change>
    void showContent(Change change);

    ValueList list_;
};

}  // namespace stapelwerk
