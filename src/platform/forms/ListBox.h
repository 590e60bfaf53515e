#pragma once

#include "platform/forms/Control.h"

#include <functional>
#include <string>

class QItemSelectionModel;
class QListView;

namespace kelvppvw {

class ListBoxModel;

namespace vb {
// MultiSelect
inline constexpr int16_t MultiSelectNone = 0;
inline constexpr int16_t MultiSelectSimple = 1;
inline constexpr int16_t MultiSelectExtended = 2;
} // namespace vb

// A list of text items with a focus item (ListIndex) and, in the multi-select
// modes, a selection independent of it.
class ListBox : public Control {
public:
    ListBox();

    int16_t MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(int16_t mode);

    // The most items a list holds (indexes are 16-bit in the classic control).
    static constexpr int32_t Capacity = 32767;

    // Appends, or inserts at index; raises 5 for an index past the end and
    // 7 (out of memory) when the list is full.
    void AddItem(const std::string& item, int32_t index = -1);
    void Clear();
    int32_t ListCount() const;
    // The text of item i; empty beyond the end (as the classic control reads).
    std::string List(int32_t index) const;

    // The focus item, -1 for none. Setting it makes that item the focus item,
    // selects it and raises Click, also when it already was the focus item.
    int32_t ListIndex() const;
    void SetListIndex(int32_t index);
    // Raises 381 for an index outside the list.
    bool Selected(int32_t index) const;
    void SetSelected(int32_t index, bool selected);
    int32_t SelCount() const;

    // First item after start (wrapping; -1 searches from the top) whose text
    // begins with prefix, case-insensitively; -1 when none does.
    int32_t FindString(const std::string& prefix, int32_t start = -1) const;
    // Selects first..last; with first greater than last deselects last..first.
    void SelItemRangeEx(int32_t first, int32_t last);

    // The two list messages by number, as the classic code sends them:
    // 0x1A2 (find a prefix) and 0x183 (select or deselect a range).
    int32_t SendMessage(uint32_t message, int32_t wParam, const Variant& lParam);

    std::function<void()> onClick, onDblClick;

private:
    void checkIndex(int32_t index) const;
    QListView* view() const;
    QItemSelectionModel* selection() const;
    // Selects (or deselects) rows first..last in one step without Click.
    void selectRows(int32_t first, int32_t last, bool select);

    ListBoxModel* model_ = nullptr;

    int16_t multiSelect_ = vb::MultiSelectNone;
    bool updating_ = false;
};

} // namespace kelvppvw
