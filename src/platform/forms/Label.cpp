#include "platform/forms/Label.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"

#include <QLabel>

namespace kelvppvw {

Label::Label() {
    auto* label = new QLabel();
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(label);
    property("Caption", [this] { return Variant(caption_); }, [this](const Variant& v) { SetCaption(v.toString()); });
    property("Alignment", [this] { return Variant(alignment_); },
             [this](const Variant& v) { SetAlignment(v.toInteger()); });
    property("BackStyle", [this] { return Variant(backStyle_); }, [this](const Variant& v) { SetBackStyle(v.toInteger()); });
    property("WordWrap", [this] { return Variant(wordWrap_); }, [this](const Variant& v) { SetWordWrap(v.toBool()); });
}

void Label::SetCaption(const std::string& caption) {
    caption_ = caption;
    QString text = qs(caption);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    native<QLabel>()->setText(text);
}

void Label::SetAlignment(int16_t alignment) {
    if (alignment < 0 || alignment > 2)
        throw AutomationError(err::InvalidPropertyValue);
    alignment_ = alignment;
    static const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    native<QLabel>()->setAlignment(h[alignment] | Qt::AlignTop);
}

void Label::SetBackStyle(int16_t style) {
    if (style < 0 || style > 1)
        throw AutomationError(err::InvalidPropertyValue);
    backStyle_ = style;
    appearanceChanged();
}

void Label::SetWordWrap(bool on) {
    wordWrap_ = on;
    native<QLabel>()->setWordWrap(on);
}

void Label::appearanceChanged() {
    Control::appearanceChanged();
    if (QWidget* w = widget())
        w->setAutoFillBackground(backStyle_ == 1);
}

} // namespace kelvppvw
