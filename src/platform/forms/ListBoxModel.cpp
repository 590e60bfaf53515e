#include "platform/forms/ListBoxModel.h"

#include "platform/forms/NativeConvert.h"

namespace kelvppvw {

int ListBoxModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count())
        return {};
    return qs(text(index.row()));
}

void ListBoxModel::insert(int32_t row, std::string text) {
    beginInsertRows({}, row, row);
    texts_.insert(texts_.begin() + row, std::move(text));
    numbers_.insert(numbers_.begin() + row, 0);
    endInsertRows();
}

void ListBoxModel::remove(int32_t row) {
    beginRemoveRows({}, row, row);
    texts_.erase(texts_.begin() + row);
    numbers_.erase(numbers_.begin() + row);
    endRemoveRows();
}

void ListBoxModel::clear() {
    beginResetModel();
    // Swapped out, not cleared: a cleared vector keeps its capacity.
    std::vector<std::string>().swap(texts_);
    std::vector<int32_t>().swap(numbers_);
    endResetModel();
}

void ListBoxModel::setText(int32_t row, std::string text) {
    texts_[size_t(row)] = std::move(text);
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

} // namespace kelvppvw
