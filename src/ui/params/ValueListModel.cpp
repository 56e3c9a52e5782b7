#include "ui/params/ValueListModel.h"

#include <utility>

#include "ui/widgets/QtText.h"

namespace stapelwerk {

ValueListModel::ValueListModel(QObject* parent) : QAbstractListModel(parent) {}

int ValueListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant ValueListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return qt(list_.values()[static_cast<std::size_t>(index.row())]);
}

template <typename Change>
void ValueListModel::showContent(Change change) {
    beginResetModel();
    change();
    endResetModel();
}

void ValueListModel::setValues(std::vector<std::string> values) {
    showContent([&] { list_.assign(std::move(values)); });
}

void ValueListModel::append(std::vector<std::string> values) {
    if (values.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(values.size()) - 1);
    list_.append(std::move(values));
    endInsertRows();
}

void ValueListModel::clear() {
    showContent([this] { list_.clear(); });
}

void ValueListModel::removeMarkedAndEmpty(std::optional<std::size_t> marked) {
    showContent([&] { list_.removeMarkedAndEmpty(marked); });
}

}  // namespace stapelwerk
