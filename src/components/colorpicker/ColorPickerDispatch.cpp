#include "components/colorpicker/ColorPickerDispatch.h"

#include "components/colorpicker/ColorPickerClass.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/FormsErrors.h"

#include <QApplication>

#include <cmath>

namespace kelvppvw {

namespace {

// Colours arrive as signed Longs or as their unsigned reading.
int32_t colorArgument(const Variant& v) {
    const double d = v.toDouble();
    if (d < INT32_MIN || d > 4294967295.0 || d != std::floor(d))
        throw AutomationError(err::InvalidPropertyValue);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(d) & 0xFFFFFFFF));
}

} // namespace

ColorPickerDispatch::ColorPickerDispatch() : picker_(new ColorPicker) {
    auto picked = [this] { return Variant(live().pickedColor()); };
    auto pick = [this](const Variant& v) { live().setPickedColor(colorArgument(v)); };
    property("PickedColor", picked, pick);
    // A Long passed by reference: assigning through the reference sets the colour.
    objectProperty("PickedColor", picked, pick);
    property("pickcolor", picked, pick);
    property("designcolor", [this] { return Variant(live().designColor()); },
             [this](const Variant& v) { live().setDesignColor(colorArgument(v)); });
    property("Index", [this] { return Variant(int32_t{live().index()}); },
             [this](const Variant& v) { live().setIndex(v.toLong()); });
    property("ToolTipText", [this] { return Variant(live().toolTip().toStdString()); },
             [this](const Variant& v) {
                 const QString text = QString::fromStdString(v.toString());
                 live().setToolTip(text);
                 live().setAccessibleName(text);
             });
    property("FontName", [this] { return Variant(live().font().family().toStdString()); },
             [this](const Variant& v) {
                 QFont font = live().font();
                 font.setFamily(QString::fromStdString(v.toString()));
                 live().setFont(font);
             });
    method("ResetColor", [this](Args&) {
        live().ResetColor();
        return Variant();
    });
}

ColorPickerDispatch::~ColorPickerDispatch() {
    if (picker_ && !picker_->parent())
        delete picker_.data();
}

ColorPicker& ColorPickerDispatch::live() const {
    if (!picker_)
        throw AutomationError(err::ObjectNotSet);
    return *picker_;
}

void registerColorPickerClass(ClassRegistry& registry) {
    registry.registerClass(ColorPickerClassName, []() -> ObjectRef {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            throw AutomationError(err::CannotCreateObject, "kvxBFC.BrowseForColor needs a running QApplication");
        return std::make_shared<ColorPickerDispatch>();
    });
}

void unregisterColorPickerClass(ClassRegistry& registry) { registry.unregisterClass(ColorPickerClassName); }

} // namespace kelvppvw
