#include "platform/forms/ListBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"

#include <QListWidget>
#include <QScrollBar>

namespace kelvppvw {

namespace {
constexpr uint32_t kFindString = 0x1A2;
constexpr uint32_t kSelItemRangeEx = 0x183;
} // namespace

ListBox::ListBox() {
    auto* list = new QListWidget();
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWidget(list);
    SetBackColor(0x80000005u);
    SetForeColor(0x80000008u);
    QObject::connect(list, &QListWidget::itemSelectionChanged, [this] {
        if (!updating_ && onClick)
            onClick();
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, [this] {
        if (onDblClick)
            onDblClick();
    });

    property("MultiSelect", [this] { return Variant(multiSelect_); },
             [this](const Variant& v) { SetMultiSelect(v.toInteger()); });
    method("AddItem", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        AddItem(a[0].toString(), a.size() > 1 && !a[1].isMissing() ? a[1].toLong() : -1);
        return Variant();
    });
    method("RemoveItem", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        RemoveItem(a[0].toLong());
        return Variant();
    });
    method("Clear", [this](Args&) {
        Clear();
        return Variant();
    });
    property("ListCount", [this] { return Variant(ListCount()); });
    indexedProperty(
        "List", [this](Args& a) { return Variant(List(a.empty() ? ListIndex() : a[0].toLong())); },
        [this](Args& a, const Variant& v) { SetList(a.empty() ? ListIndex() : a[0].toLong(), v.toString()); });
    indexedProperty(
        "ItemData", [this](Args& a) { return Variant(ItemData(a.empty() ? ListIndex() : a[0].toLong())); },
        [this](Args& a, const Variant& v) { SetItemData(a.empty() ? ListIndex() : a[0].toLong(), v.toLong()); });
    indexedProperty(
        "Selected",
        [this](Args& a) {
            if (a.empty())
                throw AutomationError(err::ArgumentNotOptional);
            return Variant(Selected(a[0].toLong()));
        },
        [this](Args& a, const Variant& v) {
            if (a.empty())
                throw AutomationError(err::ArgumentNotOptional);
            SetSelected(a[0].toLong(), v.toBool());
        });
    property("ListIndex", [this] { return Variant(ListIndex()); }, [this](const Variant& v) { SetListIndex(v.toLong()); });
    property("SelCount", [this] { return Variant(SelCount()); });
    property("TopIndex", [this] { return Variant(TopIndex()); }, [this](const Variant& v) { SetTopIndex(v.toLong()); });
    property("Text", [this] { return Variant(List(ListIndex())); });
}

void ListBox::SetMultiSelect(int16_t mode) {
    if (mode < 0 || mode > 2)
        throw AutomationError(err::InvalidPropertyValue);
    multiSelect_ = mode;
    static const QAbstractItemView::SelectionMode modes[] = {
        QAbstractItemView::SingleSelection, QAbstractItemView::MultiSelection, QAbstractItemView::ExtendedSelection};
    native<QListWidget>()->setSelectionMode(modes[mode]);
}

void ListBox::AddItem(const std::string& item, int32_t index) {
    auto* list = native<QListWidget>();
    if (index > list->count() || index < -1)
        throw AutomationError(err::InvalidProcedureCall);
    if (list->count() >= Capacity)
        throw AutomationError(err::OutOfMemory);
    const bool guard = updating_;
    updating_ = true;
    if (index < 0)
        list->addItem(qs(item));
    else
        list->insertItem(index, qs(item));
    updating_ = guard;
}

void ListBox::RemoveItem(int32_t index) {
    auto* list = native<QListWidget>();
    if (index < 0 || index >= list->count())
        throw AutomationError(err::InvalidProcedureCall);
    updating_ = true;
    delete list->takeItem(index);
    updating_ = false;
}

void ListBox::Clear() {
    updating_ = true;
    native<QListWidget>()->clear();
    updating_ = false;
}

int32_t ListBox::ListCount() const { return native<QListWidget>()->count(); }

std::string ListBox::List(int32_t index) const {
    auto* list = native<QListWidget>();
    if (index < 0 || index >= list->count())
        return {};
    return list->item(index)->text().toStdString();
}

void ListBox::checkIndex(int32_t index) const {
    if (index < 0 || index >= ListCount())
        throw AutomationError(err::InvalidPropertyArrayIndex, "Invalid property array index");
}

void ListBox::SetList(int32_t index, const std::string& text) {
    checkIndex(index);
    native<QListWidget>()->item(index)->setText(qs(text));
}

int32_t ListBox::ItemData(int32_t index) const {
    checkIndex(index);
    return native<QListWidget>()->item(index)->data(Qt::UserRole).toInt();
}

void ListBox::SetItemData(int32_t index, int32_t data) {
    checkIndex(index);
    native<QListWidget>()->item(index)->setData(Qt::UserRole, data);
}

int32_t ListBox::ListIndex() const {
    auto* list = native<QListWidget>();
    if (multiSelect_ == vb::MultiSelectNone) {
        const auto items = list->selectedItems();
        return items.isEmpty() ? -1 : list->row(items.first());
    }
    return list->currentRow();
}

void ListBox::SetListIndex(int32_t index) {
    auto* list = native<QListWidget>();
    if (index < -1 || index >= list->count())
        throw AutomationError(err::InvalidPropertyValue);
    updating_ = true;
    if (index < 0) {
        list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        if (multiSelect_ == vb::MultiSelectNone)
            list->clearSelection();
    } else if (multiSelect_ == vb::MultiSelectNone) {
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
        // The focus moves and its item is selected; the rest of the selection stays.
        list->setCurrentRow(index, QItemSelectionModel::Select);
    }
    updating_ = false;
    if (onClick)
        onClick();
}

bool ListBox::Selected(int32_t index) const {
    checkIndex(index);
    return native<QListWidget>()->item(index)->isSelected();
}

void ListBox::SetSelected(int32_t index, bool selected) {
    checkIndex(index);
    auto* list = native<QListWidget>();
    updating_ = true;
    if (multiSelect_ == vb::MultiSelectNone && selected)
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    else
        list->item(index)->setSelected(selected);
    updating_ = false;
}

int32_t ListBox::SelCount() const { return static_cast<int32_t>(native<QListWidget>()->selectedItems().size()); }

// Scrolling by whole items makes the scroll position the top item's index.
int32_t ListBox::TopIndex() const {
    auto* list = native<QListWidget>();
    list->doItemsLayout();
    return list->verticalScrollBar()->value();
}

void ListBox::SetTopIndex(int32_t index) {
    checkIndex(index);
    auto* list = native<QListWidget>();
    list->doItemsLayout();
    list->verticalScrollBar()->setValue(index);
}

int32_t ListBox::FindString(const std::string& prefix, int32_t start) const {
    auto* list = native<QListWidget>();
    const int n = list->count();
    if (n == 0)
        return -1;
    const QString p = qs(prefix);
    const int first = (start < -1 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        if (list->item(i)->text().startsWith(p, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

void ListBox::SelItemRangeEx(int32_t first, int32_t last) {
    if (multiSelect_ == vb::MultiSelectNone)
        throw AutomationError(err::InvalidProcedureCall);
    auto* list = native<QListWidget>();
    const bool select = first <= last;
    const int lo = std::max(0, std::min(first, last));
    const int hi = std::min(list->count() - 1, std::max(first, last));
    updating_ = true;
    for (int i = lo; i <= hi; ++i)
        list->item(i)->setSelected(select);
    updating_ = false;
}

int32_t ListBox::SendMessage(uint32_t message, int32_t wParam, const Variant& lParam) {
    switch (message) {
    case kFindString: return FindString(lParam.toString(), wParam);
    case kSelItemRangeEx:
        SelItemRangeEx(wParam, lParam.toLong());
        return 0;
    default: throw AutomationError(err::InvalidProcedureCall, "Unsupported list message");
    }
}

} // namespace kelvppvw
