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
    endInsertRows();
}

void ListBoxModel::clear() {
    beginResetModel();
    // Swapped out, not cleared: a cleared vector keeps its capacity.
    std::vector<std::string>().swap(texts_);
    endResetModel();
}

} // namespace kelvppvw
