#include "platform/forms/TextBox.h"

#include "platform/forms/NativeConvert.h"

#include <QLineEdit>

namespace kelvppvw {

TextBox::TextBox() {
    auto* edit = new QLineEdit();
    setWidget(edit);
    SetBackColor(0x80000005u);
    SetForeColor(0x80000008u);
    QObject::connect(edit, &QLineEdit::textChanged, [this] {
        if (onChange)
            onChange();
    });
    property("Text", [this] { return Variant(Text()); }, [this](const Variant& v) { SetText(v.toString()); });
    property("Locked", [this] { return Variant(locked_); }, [this](const Variant& v) { SetLocked(v.toBool()); });
}

std::string TextBox::Text() const { return native<QLineEdit>()->text().toStdString(); }

void TextBox::SetText(const std::string& text) { native<QLineEdit>()->setText(qs(text)); }

void TextBox::SetLocked(bool on) {
    locked_ = on;
    native<QLineEdit>()->setReadOnly(on);
}

} // namespace kelvppvw
