#pragma once

#include "platform/forms/Control.h"

namespace kelvppvw {

namespace vb {
inline constexpr int16_t ShapeRectangle = 0;
inline constexpr int16_t ShapeOval = 2;
// BorderStyle of Shape and Line.
inline constexpr int16_t BorderTransparent = 0;
inline constexpr int16_t BorderSolid = 1;
inline constexpr int16_t BorderDash = 2;
inline constexpr int16_t BorderDot = 3;
} // namespace vb

// A windowless rectangle (or oval) with back, border and fill colours.
class Shape : public Control {
public:
    Shape();

    int16_t ShapeKind() const { return shape_; }
    void SetShape(int16_t shape);
    // 0 transparent, 1 opaque (BackColor fills the shape).
    int16_t BackStyle() const { return backStyle_; }
    void SetBackStyle(int16_t style);
    uint32_t BorderColor() const { return borderColor_; }
    void SetBorderColor(uint32_t color);
    int16_t BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int16_t style);
    int16_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int16_t pixels);
    uint32_t FillColor() const { return fillColor_; }
    void SetFillColor(uint32_t color);
    int16_t FillStyle() const { return fillStyle_; }
    void SetFillStyle(int16_t style);

    void paintWindowless(QPainter& painter) const override;

private:
    void changed();

    int16_t shape_ = 0, backStyle_ = 0, borderStyle_ = 1, borderWidth_ = 1, fillStyle_ = 1;
    uint32_t borderColor_ = 0x80000008u, fillColor_ = 0;
};

} // namespace kelvppvw
