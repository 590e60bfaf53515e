#include "platform/forms/CommandButton.h"

#include "platform/forms/NativeConvert.h"

#include <QPushButton>
#include <QShortcut>

namespace kelvppvw {

CommandButton::CommandButton() {
    auto* button = new QPushButton();
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    setWidget(button);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button);
    escape->setEnabled(false);
    QObject::connect(escape, &QShortcut::activated, [this] {
        if (Enabled() && Visible() && onClick)
            onClick();
    });
    QObject::connect(button, &QPushButton::clicked, [this] {
        if (onClick)
            onClick();
    });
    property("Caption", [this] { return Variant(caption_); }, [this](const Variant& v) { SetCaption(v.toString()); });
    property("Cancel", [this] { return Variant(cancel_); }, [this](const Variant& v) { SetCancel(v.toBool()); });
    property("Value", [] { return Variant(false); }, [this](const Variant& v) { SetValue(v.toBool()); });
}

void CommandButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    native<QPushButton>()->setText(qs(caption));
}

void CommandButton::SetCancel(bool on) {
    cancel_ = on;
    widget()->findChild<QShortcut*>()->setEnabled(on);
}

void CommandButton::SetValue(bool pressed) {
    if (pressed && Enabled() && onClick)
        onClick();
}

} // namespace kelvppvw
