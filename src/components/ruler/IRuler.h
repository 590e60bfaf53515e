#pragma once

#include "components/ruler/FontDescription.h"
#include "components/ruler/RulerAppearance.h"
#include "components/ruler/RulerUnits.h"
#include "platform/automation/EventSource.h"
#include "platform/automation/Variant.h"

#include <cstdint>
#include <string_view>

namespace kelvppvw {

// The paper ruler as its users see it. Lengths along the ruler are page
// twips: the sheet's edge is 0, PrinterPageWidth (horizontal ruler) or
// PrinterPageHeight (vertical ruler) the far edge.
//
// Events, raised through events(); the first argument is always the ruler's
// Index so that one handler can serve a pair of rulers:
//   MarkerText       (Index, Position as Double in the unit, RulerScale, Text)
//   MarkerLineStyle  (Index, ColorRuleMarkerColor, DisplayMarkerType, DisplayMarkerWidth)
//   RulerMouseMove   (Index, Button, Shift, X, Y)
//   RulerMouseButton (Index, Button, Shift, X, Y)
//   SettingToSave    (Index, Name, Value)
// Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt. X and Y
// as MoveMarker takes them: page twips along the ruler, twips from the
// ruler's own edge across it.
class IRuler {
public:
    virtual ~IRuler() = default;

    virtual void ApplySetting(std::string_view name, const Variant& value) = 0;
    virtual void SaveSettings() = 0;
    virtual void RefreshRuler() = 0;
    virtual void HideMarker() = 0;
    virtual void MoveMarker(float x, float y) = 0;

    virtual int32_t color(RulerColor which) const = 0;
    // Raises 380 for a value that is no colour.
    virtual void setColor(RulerColor which, int32_t value) = 0;

    virtual int displayMarkerWidth() const = 0;
    virtual void setDisplayMarkerWidth(int width) = 0;  // clamped to 1..4
    virtual int displayMarkerType() const = 0;
    virtual void setDisplayMarkerType(int type) = 0;  // clamped to 0..6
    virtual int displayRangeInHeight() const = 0;
    virtual void setDisplayRangeInHeight(int height) = 0;  // clamped to 0..5
    virtual int displayRangeOutHeight() const = 0;
    virtual void setDisplayRangeOutHeight(int height) = 0;  // clamped to 0..5
    virtual bool displayRuleMarker() const = 0;
    virtual void setDisplayRuleMarker(bool on) = 0;
    virtual int rulerScale() const = 0;
    virtual void setRulerScale(int unit) = 0;  // clamped to 1..10

    virtual int32_t printerPageWidth() const = 0;
    virtual void setPrinterPageWidth(int32_t twips) = 0;
    virtual int32_t printerPageHeight() const = 0;
    virtual void setPrinterPageHeight(int32_t twips) = 0;
    // Unprintable margins in twips: at the sheet's edge and at the far end.
    virtual int32_t displayRangeBeginning() const = 0;
    virtual void setDisplayRangeBeginning(int32_t twips) = 0;
    virtual int32_t displayRangeEnding() const = 0;
    virtual void setDisplayRangeEnding(int32_t twips) = 0;

    virtual bool holdRedraw() const = 0;
    virtual void setHoldRedraw(bool hold) = 0;

    // Fonts. PageFont sizes the Character unit, FontForPitch the Pitch unit;
    // RulerFont draws the numerals, ScaleNameFont the unit's name.
    virtual FontDescription pageFont() const = 0;
    virtual void setPageFont(const FontDescription& font) = 0;
    virtual void clearPageFont() = 0;
    virtual FontDescription fontForPitch() const = 0;
    virtual void setFontForPitch(const FontDescription& font) = 0;
    virtual FontDescription rulerFont() const = 0;
    virtual void setRulerFont(const FontDescription& font) = 0;
    virtual FontDescription scaleNameFont() const = 0;
    virtual void setScaleNameFont(const FontDescription& font) = 0;

    virtual RulerOrientation orientation() const = 0;
    virtual void setOrientation(RulerOrientation orientation) = 0;
    virtual int index() const = 0;
    virtual void setIndex(int index) = 0;

    // Every persisted setting at once (the passed-through ones included).
    virtual const RulerAppearance& appearance() const = 0;
    virtual void setAppearance(const RulerAppearance& appearance) = 0;

    virtual EventSource& events() = 0;
};

} // namespace kelvppvw
