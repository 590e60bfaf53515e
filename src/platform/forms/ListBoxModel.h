#pragma once

#include <QAbstractListModel>

#include <cstdint>
#include <string>
#include <vector>

namespace kelvppvw {

// The items of a ListBox: a text each, nothing more. The viewer lists one
// item per page, so an item costs a short string (held inline up to 15
// bytes); the text becomes a QString only when shown.
class ListBoxModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int32_t count() const { return static_cast<int32_t>(texts_.size()); }
    void insert(int32_t row, std::string text);
    void clear();

    const std::string& text(int32_t row) const { return texts_[size_t(row)]; }

private:
    std::vector<std::string> texts_;
};

} // namespace kelvppvw
