#pragma once

#include "components/colorpicker/ColorPicker.h"
#include "platform/automation/DispatchObject.h"
#include "platform/automation/EventProvider.h"
#include "platform/forms/NativeComponent.h"

#include <QPointer>

namespace kelvppvw {

// The colour picker as late-bound clients reach it. Members:
//   PickedColor (Long, also set by reference)  the current colour
//   pickcolor, designcolor                     design colours: the starting
//                                              colour and the one ResetColor returns to
//   Index, ToolTipText (also the accessible name), FontName
//   ResetColor()
// The forms layer hosts widget() as a child control; once the widget has a
// parent, that parent deletes it, and a member called after that raises 91.
class ColorPickerDispatch : public DispatchObject, public NativeComponent, public EventProvider {
public:
    ColorPickerDispatch();
    ~ColorPickerDispatch() override;

    ColorPicker* picker() const { return picker_.data(); }
    EventSource& events() override { return live().events(); }
    QWidget* nativeWidget() const override { return picker_.data(); }

private:
    ColorPicker& live() const;

    QPointer<ColorPicker> picker_;
};

} // namespace kelvppvw
