#include "platform/forms/Shape.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/BorderPen.h"
#include "platform/forms/ControlHost.h"
#include "platform/forms/NativeConvert.h"

#include <QPainter>

namespace kelvppvw {

namespace {
void checkRange(int16_t v, int16_t lo, int16_t hi) {
    if (v < lo || v > hi)
        throw AutomationError(err::InvalidPropertyValue);
}
} // namespace

Shape::Shape() {
    setWindowless();
    SetBackColor(0x80000005u);
    property("Shape", [this] { return Variant(shape_); }, [this](const Variant& v) { SetShape(v.toInteger()); });
    property("BackStyle", [this] { return Variant(backStyle_); }, [this](const Variant& v) { SetBackStyle(v.toInteger()); });
    property("BorderColor", [this] { return Variant(static_cast<int32_t>(borderColor_)); },
             [this](const Variant& v) { SetBorderColor(static_cast<uint32_t>(v.toLong())); });
    property("BorderStyle", [this] { return Variant(borderStyle_); },
             [this](const Variant& v) { SetBorderStyle(v.toInteger()); });
    property("BorderWidth", [this] { return Variant(borderWidth_); },
             [this](const Variant& v) { SetBorderWidth(v.toInteger()); });
    property("FillColor", [this] { return Variant(static_cast<int32_t>(fillColor_)); },
             [this](const Variant& v) { SetFillColor(static_cast<uint32_t>(v.toLong())); });
    property("FillStyle", [this] { return Variant(fillStyle_); }, [this](const Variant& v) { SetFillStyle(v.toInteger()); });
}

void Shape::changed() {
    if (Container())
        Container()->repaintHost();
}

void Shape::SetShape(int16_t shape) {
    checkRange(shape, 0, 5);
    shape_ = shape;
    changed();
}
void Shape::SetBackStyle(int16_t style) {
    checkRange(style, 0, 1);
    backStyle_ = style;
    changed();
}
void Shape::SetBorderColor(uint32_t color) {
    (void)toQColor(color);
    borderColor_ = color;
    changed();
}
void Shape::SetBorderStyle(int16_t style) {
    checkRange(style, 0, 6);
    borderStyle_ = style;
    changed();
}
void Shape::SetBorderWidth(int16_t pixels) {
    checkRange(pixels, 1, 8192);
    borderWidth_ = pixels;
    changed();
}
void Shape::SetFillColor(uint32_t color) {
    (void)toQColor(color);
    fillColor_ = color;
    changed();
}
void Shape::SetFillStyle(int16_t style) {
    checkRange(style, 0, 7);
    fillStyle_ = style;
    changed();
}

void Shape::paintWindowless(QPainter& painter) const {
    int x, y, w, h;
    pixelRect(x, y, w, h);
    if (w <= 0 || h <= 0)
        return;
    const bool oval = shape_ == 2 || shape_ == 3;
    const QRect r(x, y, w - 1, h - 1);
    painter.setPen(Qt::NoPen);
    if (backStyle_ == 1) {
        painter.setBrush(toQColor(BackColor()));
        oval ? painter.drawEllipse(r) : painter.drawRect(QRect(x, y, w, h));
    }
    if (fillStyle_ != 1) {
        static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,  Qt::VerPattern,
                                                Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        painter.setBrush(QBrush(toQColor(fillColor_), styles[fillStyle_]));
        oval ? painter.drawEllipse(r) : painter.drawRect(QRect(x, y, w, h));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(borderPen(borderColor_, borderStyle_, borderWidth_));
    const double align = borderAlignment(borderWidth_);
    const QRectF edge = QRectF(r).translated(align, align);
    oval ? painter.drawEllipse(edge) : painter.drawRect(edge);
}

} // namespace kelvppvw
