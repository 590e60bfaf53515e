#pragma once

#include "platform/automation/EventSource.h"

#include <QToolButton>

#include <cstdint>

namespace kelvppvw {

// A colour swatch button. A click (or Space, or Enter) opens the colour
// dialog; Delete goes back to the design colour; Copy puts the colour on the
// clipboard and Paste takes one from there (a colour, or text such as
// "#336699"), so a colour moves from one swatch to another.
//
// Events, raised through events(); the first argument is always the picker's
// Index, lColor is passed by reference (what a handler writes back is taken):
//   ColorPicked       (Index, PickedBy, lColor)  PickedBy 1: the colour dialog, 0: ResetColor
//   ColorSelected     (Index, lColor)            a colour pasted on the swatch
//   PickerMouseButton (Index, Button, Shift, X, Y)  any button pressed; X, Y in twips
// Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
class ColorPicker : public QToolButton {
public:
    explicit ColorPicker(QWidget* parent = nullptr);

    // Colours in the Windows convention; setting one that is no colour raises
    // 380. Setting the picked colour from code reports nothing.
    int32_t pickedColor() const { return picked_; }
    void setPickedColor(int32_t color);
    int32_t designColor() const { return design_; }
    void setDesignColor(int32_t color);
    int index() const { return index_; }
    void setIndex(int index) { index_ = index; }

    // Back to the design colour, reported through ColorPicked as a choice is.
    void ResetColor();
    // What a click does: the colour dialog, and ColorPicked when one is chosen.
    void browse();

    EventSource& events() { return events_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(const char* event, Args args, size_t colorArg);
    void describe();
    void paste();

    int32_t picked_ = 0;
    int32_t design_ = 0;
    int index_ = 0;
    EventSource events_;
};

} // namespace kelvppvw
