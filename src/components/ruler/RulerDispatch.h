#pragma once

#include "components/ruler/Ruler.h"
#include "components/ruler/RulerClass.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/DispatchObject.h"
#include "platform/automation/EventProvider.h"
#include "platform/forms/NativeComponent.h"

#include <QPointer>

namespace kelvppvw {

// The ruler as late-bound clients reach it: every member by name, the font
// properties taking any font object by reference. The forms layer hosts
// widget() as a child control and owns its geometry and visibility; once the
// widget has a parent, that parent deletes it, and a member called after that
// raises 91.
class RulerDispatch : public DispatchObject, public NativeComponent, public EventProvider {
public:
    RulerDispatch();
    ~RulerDispatch() override;

    QWidget* widget() const { return ruler_.data(); }
    Ruler* ruler() const { return ruler_.data(); }
    EventSource& events() override { return live().events(); }
    QWidget* nativeWidget() const override { return ruler_.data(); }

private:
    Ruler& live() const;
    void declareColors();
    void declareNumbers();
    void declareFonts();
    void declareMethods();
    void fontProperty(std::string name, ObjectRef& holder, FontDescription (Ruler::*get)() const,
                      void (Ruler::*set)(const FontDescription&));
    void rereadFonts();

    QPointer<Ruler> ruler_;
    ObjectRef pageFont_;
    ObjectRef pitchFont_;
    ObjectRef numeralFont_;
    ObjectRef scaleNameFont_;
};


} // namespace kelvppvw
