#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class QWidget;

namespace kelvppvw {

class Control;

// Anything that holds child controls: a form, a picture box, a frame.
// Child geometry is given in the host's scale units and kept in twips
// relative to the host's inner area; without a custom scale that is the
// value exactly as set.
class ControlHost {
public:
    virtual ~ControlHost();

    template <class T, class... A>
    std::shared_ptr<T> add(std::string name, A&&... args) {
        auto control = std::make_shared<T>(std::forward<A>(args)...);
        adopt(control, std::move(name), -1);
        return control;
    }
    // A member of a control array: picRuler(0), lblCP(3).
    template <class T, class... A>
    std::shared_ptr<T> addIndexed(std::string name, int16_t index, A&&... args) {
        auto control = std::make_shared<T>(std::forward<A>(args)...);
        adopt(control, std::move(name), index);
        return control;
    }
    // Removes a control and its window (Unload of a control).
    void remove(const Control& control);

    // Finds a child by name (case-insensitive) and array index (-1: none).
    std::shared_ptr<Control> control(std::string_view name, int16_t index = -1) const;
    const std::vector<std::shared_ptr<Control>>& controls() const { return controls_; }

    // The scale that child coordinates are written in.
    virtual double twipsPerUnitX() const { return 1.0; }
    virtual double twipsPerUnitY() const { return 1.0; }
    virtual double scaleOriginX() const { return 0.0; }
    virtual double scaleOriginY() const { return 0.0; }
    // Pixels from the native widget's corner to the inner area (a border).
    virtual int innerOffsetPx() const { return 0; }
    // The inner area in twips, where aligned controls (Align top/bottom) go.
    virtual double innerWidthTwips() const = 0;
    virtual double innerHeightTwips() const = 0;
    // The widget child windows live in; null while the host has no window.
    virtual QWidget* hostWidget() const = 0;

    // For forms/ itself.
    void paintWindowlessChildren(QPainter& painter) const;
    void hostWidgetCreated();
    void hostWidgetGoing();
    void hostScaleChanged();
    void repaintHost() const;
    // Repaints only this pixel rectangle of the host's widget.
    void repaintHostArea(int x, int y, int width, int height) const;
    // Stretches aligned children along the top and bottom edges.
    void layoutAligned();
    // Windowless children paint in list order: front = last.
    void reorder(const Control& control, bool toFront);

protected:
    void adopt(std::shared_ptr<Control> control, std::string name, int16_t index);

private:
    std::vector<std::shared_ptr<Control>> controls_;
};

} // namespace kelvppvw
