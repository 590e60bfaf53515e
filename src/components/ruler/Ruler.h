#pragma once

#include "components/ruler/IRuler.h"
#include "components/ruler/RulerPainter.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace kelvppvw {

// The paper ruler widget. It draws everything itself: the ruler without the
// marker is kept in a buffer that is rebuilt only when something it shows
// changes; a marker move repaints just the columns the old and the new marker
// cover. Hosts place it as a child window (geometry and visibility are
// theirs); its length maps the whole sheet.
class Ruler : public QWidget, public IRuler {
public:
    explicit Ruler(QWidget* parent = nullptr);
    ~Ruler() override;

    void ApplySetting(std::string_view name, const Variant& value) override;
    void SaveSettings() override;
    void RefreshRuler() override;
    void HideMarker() override;
    void MoveMarker(float x, float y) override;

    int32_t color(RulerColor which) const override;
    void setColor(RulerColor which, int32_t value) override;
    int displayMarkerWidth() const override { return a_.displayMarkerWidth; }
    void setDisplayMarkerWidth(int width) override;
    int displayMarkerType() const override { return a_.displayMarkerType; }
    void setDisplayMarkerType(int type) override;
    int displayRangeInHeight() const override { return a_.displayRangeInHeight; }
    void setDisplayRangeInHeight(int height) override;
    int displayRangeOutHeight() const override { return a_.displayRangeOutHeight; }
    void setDisplayRangeOutHeight(int height) override;
    bool displayRuleMarker() const override { return displayRuleMarker_; }
    void setDisplayRuleMarker(bool on) override;
    int rulerScale() const override { return a_.rulerScale; }
    void setRulerScale(int unit) override;

    int32_t printerPageWidth() const override { return pageWidth_; }
    void setPrinterPageWidth(int32_t twips) override;
    int32_t printerPageHeight() const override { return pageHeight_; }
    void setPrinterPageHeight(int32_t twips) override;
    int32_t displayRangeBeginning() const override { return rangeBegin_; }
    void setDisplayRangeBeginning(int32_t twips) override;
    int32_t displayRangeEnding() const override { return rangeEnd_; }
    void setDisplayRangeEnding(int32_t twips) override;

    bool holdRedraw() const override { return hold_; }
    void setHoldRedraw(bool hold) override;

    FontDescription pageFont() const override { return pageFont_.value_or(FontDescription{}); }
    void setPageFont(const FontDescription& font) override;
    void clearPageFont() override;
    FontDescription fontForPitch() const override { return pitchFont_; }
    void setFontForPitch(const FontDescription& font) override;
    FontDescription rulerFont() const override { return numeralFont_; }
    void setRulerFont(const FontDescription& font) override;
    FontDescription scaleNameFont() const override { return scaleNameFont_; }
    void setScaleNameFont(const FontDescription& font) override;

    RulerOrientation orientation() const override { return orientation_; }
    void setOrientation(RulerOrientation orientation) override;
    int index() const override { return index_; }
    void setIndex(int index) override { index_ = index; }

    const RulerAppearance& appearance() const override { return a_; }
    void setAppearance(const RulerAppearance& appearance) override;

    EventSource& events() override { return events_; }

    // Sizes of the character units as measured from the current fonts.
    const CharacterCells& characterCells() const { return cells_; }
    // The marker's column, when one is shown.
    std::optional<int> markerPixel() const;
    // Times the buffered picture was rebuilt: what HoldRedraw saves.
    int backgroundRenders() const { return backgroundRenders_; }
    // What the ruler's picture depends on now, marker aside: with a
    // RulerPainter it draws the ruler onto any device at any density.
    RulerScene scene() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void invalidate();
    void updateMarkerArea(std::optional<int> pixel);
    void remeasureCells();
    void raiseMarkerLineStyle();
    void raiseMouse(const char* event, QMouseEvent* mouse, int buttons);
    template <class T>
    void change(T& field, T value);

    RulerAppearance a_;
    RulerOrientation orientation_ = RulerOrientation::Horizontal;
    int index_ = 0;
    int32_t pageWidth_ = 12240;   // US Letter until the host says otherwise
    int32_t pageHeight_ = 15840;
    int32_t rangeBegin_ = 0;
    int32_t rangeEnd_ = 0;
    bool displayRuleMarker_ = true;
    bool hold_ = false;
    std::optional<FontDescription> pageFont_;
    FontDescription pitchFont_{"Courier New", 6.0};
    FontDescription numeralFont_{"Courier New", 6.0};
    FontDescription scaleNameFont_{"Small Fonts", 3.0};
    CharacterCells cells_;

    bool markerShown_ = false;
    double markerTwips_ = 0.0;

    QPixmap background_;
    bool backgroundStale_ = true;
    int backgroundRenders_ = 0;
    EventSource events_;
};

} // namespace kelvppvw
