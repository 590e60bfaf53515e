#include "platform/forms/Toolbar.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/PictureSource.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/forms/ToolbarButtonWidget.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QToolButton>

namespace kelvppvw {

struct Toolbar::Natives {
    QHBoxLayout* layout = nullptr;
    std::vector<QPointer<QWidget>> items; // one per button, same order
};

Toolbar::Toolbar() : natives_(std::make_unique<Natives>()) {
    auto* bar = new QWidget();
    natives_->layout = new QHBoxLayout(bar);
    natives_->layout->setContentsMargins(2, 2, 2, 2);
    natives_->layout->setSpacing(1);
    natives_->layout->addStretch(1);
    setWidget(bar);
    bar->setAutoFillBackground(true);
    SetHeight(570);
    SetAlign(1);
    property("Style", [this] { return Variant(style_); }, [this](const Variant& v) { SetStyle(v.toInteger()); });
    property("ButtonWidth", [this] { return Variant(buttonWidth_); },
             [this](const Variant& v) { SetButtonWidth(v.toDouble()); });
    indexedProperty("Buttons", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        if (a[0].type() == Variant::Type::String)
            return Variant(Button(a[0].toString()).shared_from_this());
        return Variant(ButtonAt(a[0].toLong()).shared_from_this());
    });
}

Toolbar::~Toolbar() = default;

void Toolbar::SetStyle(int16_t style) {
    if (style < 0 || style > 1)
        throw AutomationError(err::InvalidPropertyValue);
    style_ = style;
    rebuild();
}

void Toolbar::SetButtonWidth(double twips) {
    if (!(twips >= 0))
        throw AutomationError(err::InvalidPropertyValue);
    buttonWidth_ = twips;
    rebuild();
}

void Toolbar::SetImageList(std::shared_ptr<ImageList> images) {
    images_ = std::move(images);
    rebuild();
}

void Toolbar::SetHotImageList(std::shared_ptr<ImageList> images) {
    hotImages_ = std::move(images);
    rebuild();
}

std::shared_ptr<ToolbarButton> Toolbar::AddButton(std::string key, std::string caption, int16_t style,
                                                  const Variant& image) {
    if (!key.empty())
        for (const auto& b : buttons_)
            if (b->Key() == key)
                throw AutomationError(err::KeyNotUnique, "Key is not unique in collection");
    auto button = std::make_shared<ToolbarButton>(*this, static_cast<int>(buttons_.size()) + 1, std::move(key));
    buttons_.push_back(button);
    button->SetCaption(caption);
    button->SetImage(image);
    button->SetStyle(style); // rebuilds
    return button;
}

ToolbarButton& Toolbar::Button(const std::string& key) const {
    for (const auto& b : buttons_)
        if (b->Key() == key)
            return *b;
    throw AutomationError(err::ElementNotFound, "Element not found");
}

ToolbarButton& Toolbar::ButtonAt(int index) const {
    if (index < 1 || index > ButtonCount())
        throw AutomationError(err::IndexOutOfBounds, "Index out of bounds");
    return *buttons_[index - 1];
}

void Toolbar::rebuild() {
    // The button with the focus has it again after the rebuild (the window
    // rebuilds its bars each time it is activated).
    const QWidget* focused = widget()->window()->focusWidget();
    size_t focusedAt = natives_->items.size();
    for (size_t i = 0; i < natives_->items.size(); ++i)
        if (natives_->items[i] && natives_->items[i] == focused)
            focusedAt = i;
    // Deferred: a click handler may rebuild the bar under its own button.
    for (auto& item : natives_->items) {
        if (!item)
            continue;
        natives_->layout->removeWidget(item);
        item->setParent(nullptr);
        item->deleteLater();
    }
    natives_->items.clear();
    int position = 0;
    for (const auto& b : buttons_) {
        QWidget* item;
        if (b->Style() == vb::ButtonSeparator || b->Style() == vb::ButtonPlaceholder) {
            auto* line = new QFrame();
            line->setFrameShape(b->Style() == vb::ButtonSeparator ? QFrame::VLine : QFrame::NoFrame);
            line->setFrameShadow(QFrame::Sunken);
            line->setFixedWidth(8);
            item = line;
        } else {
            auto* tool = new ToolbarButtonWidget();
            tool->setObjectName(qs(b->Key()));
            tool->setAutoRaise(style_ == 1);
            ToolbarButton* button = b.get();
            QObject::connect(tool, &QToolButton::clicked, [this, button] { clickFromNative(*button); });
            if (b->Style() == vb::ButtonDropdown) {
                auto* menu = new QMenu(tool);
                for (const auto& m : b->ButtonMenus()) {
                    // A keyless "-" entry is the menu's separator line, not a choice.
                    QAction* action = m->Key().empty() && m->Text() == "-" ? menu->addSeparator()
                                                                           : menu->addAction(qs(m->Text()));
                    action->setObjectName(qs(m->Key()));
                    ButtonMenu* entry = m.get();
                    QObject::connect(action, &QAction::triggered, [this, entry] { menuClickFromNative(*entry); });
                }
                tool->setMenu(menu);
                tool->setPopupMode(QToolButton::MenuButtonPopup);
            }
            item = tool;
        }
        natives_->layout->insertWidget(position++, item);
        natives_->items.emplace_back(item);
        buttonChanged(*b);
    }
    if (focusedAt < natives_->items.size())
        natives_->items[focusedAt]->setFocus(Qt::OtherFocusReason);
    keepButtonsApart();
}

// A window narrower than the buttons cuts the bar off at its right edge; left
// to the layout, the buttons would be pushed over one another instead.
void Toolbar::keepButtonsApart() {
    natives_->layout->activate();
    widget()->setMinimumWidth(natives_->layout->minimumSize().width());
}

void Toolbar::buttonChanged(ToolbarButton& button) {
    const size_t i = static_cast<size_t>(button.Index() - 1);
    if (i >= natives_->items.size() || !natives_->items[i])
        return;
    QWidget* item = natives_->items[i];
    item->setVisible(button.Visible());
    auto* tool = qobject_cast<QToolButton*>(item);
    if (!tool)
        return;
    tool->setText(qs(button.Caption()));
    tool->setToolTip(qs(button.ToolTipText()));
    tool->setAccessibleName(qs(button.Caption().empty() ? button.ToolTipText() : button.Caption()));
    tool->setAccessibleDescription(qs(button.Description()));
    tool->setEnabled(button.Enabled());
    const bool checkable = button.Style() == vb::ButtonCheck || button.Style() == vb::ButtonGroup;
    tool->setCheckable(checkable || button.Value() == vb::Pressed);
    tool->setChecked(button.Value() == vb::Pressed);
    QIcon icon;
    const auto addImage = [&](const std::shared_ptr<ImageList>& list, QIcon::Mode mode) {
        // Both densities: the icon shows whichever suits the screen the bar is on.
        if (const auto p = list ? list->Find(button.Image()) : nullptr)
            for (const double deviceScale : {1.0, 2.0})
                icon.addPixmap(renderPicture(*p, list->ImageWidth(), list->ImageHeight(), deviceScale), mode);
    };
    addImage(images_, QIcon::Normal);
    addImage(hotImages_, QIcon::Active);
    tool->setIcon(icon);
    if (images_)
        tool->setIconSize(QSize(images_->ImageWidth(), images_->ImageHeight()));
    const bool hasIcon = !icon.isNull(), hasText = !button.Caption().empty();
    tool->setToolButtonStyle(hasIcon && hasText ? Qt::ToolButtonTextUnderIcon
                             : hasIcon          ? Qt::ToolButtonIconOnly
                                                : Qt::ToolButtonTextOnly);
    if (buttonWidth_ > 0) {
        const int arrow = button.Style() == vb::ButtonDropdown
                              ? tool->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, tool)
                              : 0;
        tool->setFixedWidth(twipsToPixels(buttonWidth_) + arrow);
    }
    if (auto* menu = tool->menu()) {
        const auto actions = menu->actions();
        for (qsizetype k = 0; k < actions.size() && k < static_cast<qsizetype>(button.ButtonMenus().size()); ++k) {
            const auto& m = button.ButtonMenus()[static_cast<size_t>(k)];
            // A separator with text shows that text beside its line.
            if (!actions[k]->isSeparator())
                actions[k]->setText(qs(m->Text()));
            actions[k]->setEnabled(m->Enabled());
            actions[k]->setVisible(m->Visible());
        }
    }
    keepButtonsApart();
}

void Toolbar::releaseGroupOf(ToolbarButton& button) {
    // A group is a run of adjacent group-style buttons.
    const int i = button.Index() - 1;
    for (int k = i - 1; k >= 0 && buttons_[k]->Style() == vb::ButtonGroup; --k) {
        buttons_[k]->setValueFromClick(vb::Unpressed);
        buttonChanged(*buttons_[k]);
    }
    for (int k = i + 1; k < ButtonCount() && buttons_[k]->Style() == vb::ButtonGroup; ++k) {
        buttons_[k]->setValueFromClick(vb::Unpressed);
        buttonChanged(*buttons_[k]);
    }
}

void Toolbar::clickFromNative(ToolbarButton& button) {
    if (button.Style() == vb::ButtonCheck) {
        button.setValueFromClick(button.Value() == vb::Pressed ? vb::Unpressed : vb::Pressed);
    } else if (button.Style() == vb::ButtonGroup) {
        button.setValueFromClick(vb::Pressed);
        releaseGroupOf(button);
    }
    buttonChanged(button);
    if (onButtonClick)
        onButtonClick(button);
}

void Toolbar::menuClickFromNative(ButtonMenu& menu) {
    if (onButtonMenuClick)
        onButtonMenuClick(menu);
}

} // namespace kelvppvw
