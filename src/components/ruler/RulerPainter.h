#pragma once

#include "components/ruler/FontDescription.h"
#include "components/ruler/RulerAppearance.h"
#include "components/ruler/TickLayout.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

class QPainter;

namespace kelvppvw {

// Everything one picture of the ruler depends on, marker aside.
struct RulerScene {
    RulerAppearance appearance;
    RulerOrientation orientation = RulerOrientation::Horizontal;
    QSize size;
    double pageTwips = 0.0;
    double rangeBeginTwips = 0.0;  // unprintable margin at the sheet's edge
    double rangeEndTwips = 0.0;    // unprintable margin at the far end
    double twipsPerUnit = 1440.0;
    QFont numeralFont;
    QFont scaleNameFont;
};

// Where the parts of a ruler go. Drawing happens in a frame where "along" is
// the ruler's length and "across" runs from its outer edge (0) to the edge
// facing the page; the vertical ruler is that frame transposed, with its
// text turned to read upwards.
class RulerPainter {
public:
    explicit RulerPainter(const RulerScene& scene);

    int length() const;
    int thickness() const;
    // Row (across) of the lower rail, the one the ticks stand on.
    int lowerRail() const;
    int tickHeight(TickLevel level) const;
    RulerMapping mapping() const;

    TickPlan plan() const;
    void paintBackground(QPainter& painter) const;

    void paintMarker(QPainter& painter, int along) const;

    static QColor toColor(int32_t oleColor);
    // Pixel-sized font for a point size at the given resolution, never smaller
    // than minPixels so tiny design sizes stay legible on a screen.
    static QFont toFont(const FontDescription& font, double dpi, int minPixels);

private:
    QRect widgetRect(int along, int across, int alongLength, int acrossLength) const;
    void fill(QPainter& p, int along, int across, int alongLength, int acrossLength, const QColor& c) const;
    void drawText(QPainter& p, double along, int across, const QString& text, const QFont& font,
                  const QColor& color, const QColor& shadow) const;
    // First row below text drawn in font; text shows only where it clears the rail.
    int textBottom(const QFont& font) const;
    bool showsNumerals() const;
    bool showsScaleName() const;
    double scaleNameStart() const;

    const RulerScene& s_;
    bool vertical_;
};

} // namespace kelvppvw
