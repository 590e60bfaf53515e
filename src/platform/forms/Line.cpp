#include "platform/forms/Line.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/BorderPen.h"
#include "platform/forms/ControlHost.h"
#include "platform/forms/NativeConvert.h"

#include <QPainter>

namespace kelvppvw {

Line::Line() {
    setWindowless();
    property("X1", [this] { return Variant(X1()); }, [this](const Variant& v) { SetX1(v.toDouble()); });
    property("Y1", [this] { return Variant(Y1()); }, [this](const Variant& v) { SetY1(v.toDouble()); });
    property("X2", [this] { return Variant(X2()); }, [this](const Variant& v) { SetX2(v.toDouble()); });
    property("Y2", [this] { return Variant(Y2()); }, [this](const Variant& v) { SetY2(v.toDouble()); });
    property("BorderColor", [this] { return Variant(static_cast<int32_t>(borderColor_)); },
             [this](const Variant& v) { SetBorderColor(static_cast<uint32_t>(v.toLong())); });
    property("BorderStyle", [this] { return Variant(borderStyle_); },
             [this](const Variant& v) { SetBorderStyle(v.toInteger()); });
    property("BorderWidth", [this] { return Variant(borderWidth_); },
             [this](const Variant& v) { SetBorderWidth(v.toInteger()); });
}

double Line::X1() const { return fromTwipsX(x1Tw_); }
double Line::Y1() const { return fromTwipsY(y1Tw_); }
double Line::X2() const { return fromTwipsX(x2Tw_); }
double Line::Y2() const { return fromTwipsY(y2Tw_); }

void Line::changed() {
    if (Container() && Visible())
        Container()->repaintHost();
}

void Line::SetX1(double v) {
    x1Tw_ = toTwipsX(v);
    changed();
}
void Line::SetY1(double v) {
    y1Tw_ = toTwipsY(v);
    changed();
}
void Line::SetX2(double v) {
    x2Tw_ = toTwipsX(v);
    changed();
}
void Line::SetY2(double v) {
    y2Tw_ = toTwipsY(v);
    changed();
}
void Line::SetBorderColor(uint32_t color) {
    (void)toQColor(color);
    borderColor_ = color;
    changed();
}
void Line::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 6)
        throw AutomationError(err::InvalidPropertyValue);
    borderStyle_ = style;
    changed();
}
void Line::SetBorderWidth(int16_t pixels) {
    if (pixels < 1)
        throw AutomationError(err::InvalidPropertyValue);
    borderWidth_ = pixels;
    changed();
}

void Line::paintWindowless(QPainter& painter) const {
    const int offset = Container() ? Container()->innerOffsetPx() : 0;
    painter.setPen(borderPen(borderColor_, borderStyle_, borderWidth_));
    painter.drawLine(twipsToPixels(x1Tw_) + offset, twipsToPixels(y1Tw_) + offset, twipsToPixels(x2Tw_) + offset,
                     twipsToPixels(y2Tw_) + offset);
}

} // namespace kelvppvw
