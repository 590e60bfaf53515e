#pragma once

#include "platform/forms/Control.h"

namespace kelvppvw {

// A windowless line from (X1, Y1) to (X2, Y2) in the host's scale units.
class Line : public Control {
public:
    Line();

    double X1() const;
    double Y1() const;
    double X2() const;
    double Y2() const;
    void SetX1(double v);
    void SetY1(double v);
    void SetX2(double v);
    void SetY2(double v);
    uint32_t BorderColor() const { return borderColor_; }
    void SetBorderColor(uint32_t color);
    // The Shape border styles: 0 transparent, 1 solid, 2 dash, 3 dot, ...
    int16_t BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int16_t style);
    int16_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int16_t pixels);

    void paintWindowless(QPainter& painter) const override;

protected:
    void repaintWindowless() const override;

private:
    // Repaints what the line covers before and after the assignment, and
    // nothing else of its host: a line that follows the pointer stays cheap.
    template <class F>
    void change(F&& assign) {
        repaintWindowless();
        assign();
        repaintWindowless();
    }

    double x1Tw_ = 0, y1Tw_ = 0, x2Tw_ = 0, y2Tw_ = 0;
    uint32_t borderColor_ = 0x80000008u;
    int16_t borderStyle_ = 1, borderWidth_ = 1;
};

} // namespace kelvppvw
