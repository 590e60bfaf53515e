#include "platform/forms/CheckBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"

#include <QCheckBox>

namespace kelvppvw {

CheckBox::CheckBox() {
    auto* box = new QCheckBox();
    setWidget(box);
    QObject::connect(box, &QCheckBox::clicked, [this] {
        // A click on a greyed box checks it, as the classic control does.
        value_ = value_ == 1 ? 0 : 1;
        show();
        if (onClick)
            onClick();
    });
    property("Caption", [this] { return Variant(caption_); }, [this](const Variant& v) { SetCaption(v.toString()); });
    property("Value", [this] { return Variant(value_); }, [this](const Variant& v) { SetValue(v.toInteger()); });
}

void CheckBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    native<QCheckBox>()->setText(qs(caption).replace(QLatin1Char('&'), QLatin1String("&")));
}

void CheckBox::show() {
    auto* box = native<QCheckBox>();
    const QSignalBlocker block(box);
    box->setTristate(value_ == 2);
    box->setCheckState(value_ == 0 ? Qt::Unchecked : value_ == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

void CheckBox::SetValue(int16_t value) {
    if (value < 0 || value > 2)
        throw AutomationError(err::InvalidPropertyValue);
    if (value == value_)
        return;
    value_ = value;
    show();
    if (onClick)
        onClick();
}

} // namespace kelvppvw
