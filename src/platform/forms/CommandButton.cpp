#include "platform/forms/CommandButton.h"

#include "platform/forms/NativeConvert.h"

#include <QPushButton>

namespace kelvppvw {

CommandButton::CommandButton() {
    auto* button = new QPushButton();
    setWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] {
        if (onClick)
            onClick();
    });
    property("Caption", [this] { return Variant(caption_); }, [this](const Variant& v) { SetCaption(v.toString()); });
    property("Value", [] { return Variant(false); }, [this](const Variant& v) { SetValue(v.toBool()); });
}

void CommandButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    native<QPushButton>()->setText(qs(caption));
}

void CommandButton::SetValue(bool pressed) {
    if (pressed && Enabled() && onClick)
        onClick();
}

} // namespace kelvppvw
