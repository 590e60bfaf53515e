#include "platform/forms/ListBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"

#include "platform/forms/ListBoxModel.h"

#include <QListView>

namespace kelvppvw {

namespace {
constexpr uint32_t kFindString = 0x1A2;
constexpr uint32_t kSelItemRangeEx = 0x183;
} // namespace

ListBox::ListBox() {
    auto* list = new QListView();
    model_ = new ListBoxModel(list);
    list->setModel(model_);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The list fills its own background and its viewport only draws the items:
    // Qt paints an opaque viewport that is still due before its panel's area,
    // so a panel due under a list hidden and shown again in one handler (the
    // viewer's resize) painted over the items.
    list->setAutoFillBackground(true);
    list->viewport()->setAutoFillBackground(false);
    setWidget(list);
    SetBackColor(0x80000005u);
    SetForeColor(0x80000008u);
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, [this] {
        if (!updating_ && onClick)
            onClick();
    });
    QObject::connect(list, &QListView::doubleClicked, [this] {
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
    method("Clear", [this](Args&) {
        Clear();
        return Variant();
    });
    property("ListCount", [this] { return Variant(ListCount()); });
    indexedProperty("List", [this](Args& a) { return Variant(List(a.empty() ? ListIndex() : a[0].toLong())); });
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
    property("Text", [this] { return Variant(List(ListIndex())); });
}

QListView* ListBox::view() const { return native<QListView>(); }

QItemSelectionModel* ListBox::selection() const { return view()->selectionModel(); }

void ListBox::SetMultiSelect(int16_t mode) {
    if (mode < 0 || mode > 2)
        throw AutomationError(err::InvalidPropertyValue);
    multiSelect_ = mode;
    static const QAbstractItemView::SelectionMode modes[] = {
        QAbstractItemView::SingleSelection, QAbstractItemView::MultiSelection, QAbstractItemView::ExtendedSelection};
    view()->setSelectionMode(modes[mode]);
}

void ListBox::AddItem(const std::string& item, int32_t index) {
    const int32_t count = ListCount();
    if (index > count || index < -1)
        throw AutomationError(err::InvalidProcedureCall);
    if (count >= Capacity)
        throw AutomationError(err::OutOfMemory);
    const bool guard = updating_;
    updating_ = true;
    model_->insert(index < 0 ? count : index, item);
    updating_ = guard;
}

void ListBox::Clear() {
    updating_ = true;
    selection()->clear();
    model_->clear();
    updating_ = false;
}

int32_t ListBox::ListCount() const { return model_->count(); }

std::string ListBox::List(int32_t index) const {
    if (index < 0 || index >= ListCount())
        return {};
    return model_->text(index);
}

void ListBox::checkIndex(int32_t index) const {
    if (index < 0 || index >= ListCount())
        throw AutomationError(err::InvalidPropertyArrayIndex, "Invalid property array index");
}

int32_t ListBox::ListIndex() const {
    if (multiSelect_ == vb::MultiSelectNone) {
        const auto ranges = selection()->selection();
        return ranges.isEmpty() ? -1 : ranges.first().top();
    }
    return selection()->currentIndex().row();
}

void ListBox::SetListIndex(int32_t index) {
    if (index < -1 || index >= ListCount())
        throw AutomationError(err::InvalidPropertyValue);
    updating_ = true;
    if (index < 0) {
        selection()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        if (multiSelect_ == vb::MultiSelectNone)
            selection()->clearSelection();
    } else if (multiSelect_ == vb::MultiSelectNone) {
        selection()->setCurrentIndex(model_->index(index), QItemSelectionModel::ClearAndSelect);
    } else {
        // The focus moves and its item is selected; the rest of the selection stays.
        selection()->setCurrentIndex(model_->index(index), QItemSelectionModel::Select);
    }
    updating_ = false;
    if (onClick)
        onClick();
}

bool ListBox::Selected(int32_t index) const {
    checkIndex(index);
    return selection()->isSelected(model_->index(index));
}

void ListBox::SetSelected(int32_t index, bool selected) {
    checkIndex(index);
    if (multiSelect_ == vb::MultiSelectNone && selected) {
        updating_ = true;
        selection()->setCurrentIndex(model_->index(index), QItemSelectionModel::ClearAndSelect);
        updating_ = false;
    } else {
        selectRows(index, index, selected);
    }
}

void ListBox::selectRows(int32_t first, int32_t last, bool select) {
    updating_ = true;
    selection()->select(QItemSelection(model_->index(first), model_->index(last)),
                        select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    updating_ = false;
}

// The selection's ranges never overlap (the selection model splits them as it
// merges), so their heights add up to the count without listing every row.
int32_t ListBox::SelCount() const {
    int32_t count = 0;
    for (const QItemSelectionRange& range : selection()->selection())
        count += range.height();
    return count;
}

int32_t ListBox::FindString(const std::string& prefix, int32_t start) const {
    const int32_t n = ListCount();
    if (n == 0)
        return -1;
    const QString p = qs(prefix);
    const int32_t first = (start < -1 || start >= n) ? 0 : start + 1;
    for (int32_t k = 0; k < n; ++k) {
        const int32_t i = (first + k) % n;
        if (qs(model_->text(i)).startsWith(p, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

void ListBox::SelItemRangeEx(int32_t first, int32_t last) {
    if (multiSelect_ == vb::MultiSelectNone)
        throw AutomationError(err::InvalidProcedureCall);
    const int32_t lo = std::max(0, std::min(first, last));
    const int32_t hi = std::min(ListCount() - 1, std::max(first, last));
    if (lo <= hi)
        selectRows(lo, hi, first <= last);
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
