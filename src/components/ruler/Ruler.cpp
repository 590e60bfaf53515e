#include "components/ruler/Ruler.h"

#include "platform/forms/NativeConvert.h"
#include "platform/forms/OleColor.h"
#include "platform/automation/ErrorTrap.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace kelvppvw {

namespace {

// Screens show text no smaller than this, whatever the design size says.
constexpr int kMinTextPixels = 6;
constexpr double kTwipsPerScreenPixel = 15.0;

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Across and down size of one character of a font, in twips. Measured at a
// large pixel size so the result does not depend on screen resolution.
std::pair<double, double> characterCell(const FontDescription& d, bool averageWidth) {
    constexpr int kProbePixels = 1000;
    QFont font(QString::fromStdString(d.name));
    font.setPixelSize(kProbePixels);
    font.setBold(d.bold);
    font.setItalic(d.italic);
    const QFontMetricsF m(font);
    const double across = averageWidth ? m.averageCharWidth() : m.horizontalAdvance(QLatin1Char('0'));
    const double twipsPerProbePixel = d.size * 20.0 / kProbePixels;
    return {across * twipsPerProbePixel, m.lineSpacing() * twipsPerProbePixel};
}

} // namespace

Ruler::Ruler(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("kelvRuleRuler"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    remeasureCells();
}

Ruler::~Ruler() = default;

// ---- methods ---------------------------------------------------------------

void Ruler::ApplySetting(std::string_view name, const Variant& value) {
    RulerAppearance next = a_;
    const SettingOutcome outcome = applyRulerSetting(next, name, value);
    if (outcome == SettingOutcome::Applied)
        setAppearance(next);
    // Re-announcing the marker's line even for an empty value lets a host's
    // cross hairs pick up the style a loader left in place.
    if ((outcome == SettingOutcome::Applied || outcome == SettingOutcome::KeptEmpty) &&
        (sameName(name, "DisplayMarkerType") || sameName(name, "DisplayMarkerWidth")))
        raiseMarkerLineStyle();
}

void Ruler::SaveSettings() {
    for (auto& [name, value] : rulerSettingsToSave(a_)) {
        Args args{Variant(int32_t{index_}), Variant(name), value};
        events_.raise("SettingToSave", args);
    }
}

void Ruler::RefreshRuler() { invalidate(); }

void Ruler::HideMarker() {
    const auto old = markerPixel();
    markerShown_ = false;
    updateMarkerArea(old);
}

void Ruler::MoveMarker(float x, float y) {
    const double along = orientation_ == RulerOrientation::Horizontal ? x : y;
    if (!std::isfinite(along))
        return;  // no position to show or tell
    const auto old = markerPixel();
    markerShown_ = true;
    markerTwips_ = along;
    const auto now = markerPixel();
    if (old != now) {
        updateMarkerArea(old);
        updateMarkerArea(now);
    }
    const RulerUnit unit = rulerUnitFromIndex(a_.rulerScale);
    Args args{Variant(int32_t{index_}), Variant(along / twipsPerUnit(unit, orientation_, cells_)),
              Variant(int32_t{a_.rulerScale}), Variant(formatMarkerText(along, unit, orientation_, cells_))};
    events_.raise("MarkerText", args);
}

// ---- properties ------------------------------------------------------------

template <class T>
void Ruler::change(T& field, T value) {
    if (field == value)
        return;
    field = value;
    invalidate();
}

int32_t Ruler::color(RulerColor which) const { return a_.color(which); }

void Ruler::setColor(RulerColor which, int32_t value) {
    if (!IsValidColor(value))
        throw AutomationError(380, "Invalid property value");
    change(a_.color(which), value);
}

void Ruler::setDisplayMarkerWidth(int width) {
    const int clamped = std::clamp(width, 1, 4);
    if (clamped == a_.displayMarkerWidth)
        return;
    const auto old = markerPixel();
    updateMarkerArea(old);  // the old, wider marker's columns
    a_.displayMarkerWidth = clamped;
    updateMarkerArea(old);
    raiseMarkerLineStyle();
}

void Ruler::setDisplayMarkerType(int type) {
    const int clamped = std::clamp(type, 0, 6);
    if (clamped == a_.displayMarkerType)
        return;
    a_.displayMarkerType = clamped;
    updateMarkerArea(markerPixel());
    raiseMarkerLineStyle();
}

void Ruler::setDisplayRangeInHeight(int height) { change(a_.displayRangeInHeight, std::clamp(height, 0, 5)); }
void Ruler::setDisplayRangeOutHeight(int height) { change(a_.displayRangeOutHeight, std::clamp(height, 0, 5)); }

void Ruler::setDisplayRuleMarker(bool on) {
    if (on == displayRuleMarker_)
        return;
    const auto before = markerPixel();
    displayRuleMarker_ = on;
    updateMarkerArea(before ? before : markerPixel());
}

void Ruler::setRulerScale(int unit) { change(a_.rulerScale, std::clamp(unit, 1, kRulerUnitCount)); }

void Ruler::setPrinterPageWidth(int32_t twips) { change(pageWidth_, std::max(0, twips)); }
void Ruler::setPrinterPageHeight(int32_t twips) { change(pageHeight_, std::max(0, twips)); }
void Ruler::setDisplayRangeBeginning(int32_t twips) { change(rangeBegin_, std::max(0, twips)); }
void Ruler::setDisplayRangeEnding(int32_t twips) { change(rangeEnd_, std::max(0, twips)); }

void Ruler::setHoldRedraw(bool hold) {
    hold_ = hold;
    if (!hold_)
        update();
}

void Ruler::setPageFont(const FontDescription& font) {
    if (pageFont_ == font)
        return;  // refreshes re-read held fonts; measuring again is not free
    pageFont_ = font;
    remeasureCells();
    invalidate();
}

void Ruler::clearPageFont() {
    pageFont_.reset();
    remeasureCells();
    invalidate();
}

void Ruler::setFontForPitch(const FontDescription& font) {
    if (font == pitchFont_)
        return;
    pitchFont_ = font;
    remeasureCells();
    invalidate();
}

void Ruler::setRulerFont(const FontDescription& font) { change(numeralFont_, font); }
void Ruler::setScaleNameFont(const FontDescription& font) { change(scaleNameFont_, font); }

void Ruler::setOrientation(RulerOrientation orientation) {
    if (orientation != RulerOrientation::Vertical)
        orientation = RulerOrientation::Horizontal;
    change(orientation_, orientation);
}

void Ruler::setAppearance(const RulerAppearance& appearance) {
    if (appearance == a_)
        return;
    a_ = appearance;
    invalidate();
}

// ---- drawing ---------------------------------------------------------------

RulerScene Ruler::scene() const {
    RulerScene s;
    s.appearance = a_;
    s.orientation = orientation_;
    s.size = size();
    s.pageTwips = orientation_ == RulerOrientation::Horizontal ? pageWidth_ : pageHeight_;
    s.rangeBeginTwips = rangeBegin_;
    s.rangeEndTwips = rangeEnd_;
    s.twipsPerUnit = twipsPerUnit(rulerUnitFromIndex(a_.rulerScale), orientation_, cells_);
    const double dpi = logicalDpiY();
    s.numeralFont = RulerPainter::toFont(numeralFont_, dpi, kMinTextPixels);
    s.scaleNameFont = RulerPainter::toFont(scaleNameFont_, dpi, kMinTextPixels);
    return s;
}

std::optional<int> Ruler::markerPixel() const {
    if (!markerShown_ || !displayRuleMarker_)
        return std::nullopt;
    const bool horizontal = orientation_ == RulerOrientation::Horizontal;
    const RulerMapping map{static_cast<double>(horizontal ? pageWidth_ : pageHeight_),
                           static_cast<double>(horizontal ? width() : height())};
    if (!map.valid())
        return std::nullopt;
    const double pixel = std::floor(map.toPixel(markerTwips_));
    if (pixel < 0.0 || pixel >= map.lengthPx)
        return std::nullopt;
    return static_cast<int>(pixel);
}

void Ruler::invalidate() {
    backgroundStale_ = true;
    if (!hold_)
        update();
}

void Ruler::updateMarkerArea(std::optional<int> pixel) {
    if (!pixel || hold_)
        return;
    const int reach = a_.displayMarkerWidth + 2;
    if (orientation_ == RulerOrientation::Horizontal)
        update(*pixel - reach, 0, 2 * reach + 1, height());
    else
        update(0, *pixel - reach, width(), 2 * reach + 1);
}

void Ruler::remeasureCells() {
    CharacterCells cells;
    if (pageFont_)
        std::tie(cells.characterAcross, cells.characterDown) = characterCell(*pageFont_, true);
    std::tie(cells.pitchAcross, cells.pitchDown) = characterCell(pitchFont_, false);
    // A font that measures nothing would make every unit infinitely long.
    const CharacterCells fallback;
    if (!(cells.characterAcross > 0.0 && cells.characterDown > 0.0)) {
        cells.characterAcross = fallback.characterAcross;
        cells.characterDown = fallback.characterDown;
    }
    if (!(cells.pitchAcross > 0.0 && cells.pitchDown > 0.0)) {
        cells.pitchAcross = fallback.pitchAcross;
        cells.pitchDown = fallback.pitchDown;
    }
    cells_ = cells;
}

void Ruler::paintEvent(QPaintEvent* event) {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = size() * dpr;
    const RulerScene s = scene();
    const RulerPainter painter(s);
    if (!hold_ && (backgroundStale_ || background_.size() != pixels)) {
        background_ = QPixmap(pixels);
        background_.setDevicePixelRatio(dpr);
        QPainter bp(&background_);
        painter.paintBackground(bp);
        backgroundStale_ = false;
        ++backgroundRenders_;
    }
    QPainter p(this);
    const QRect r = event->rect();
    p.fillRect(r, RulerPainter::toColor(a_.color(RulerColor::ColorBackColor)));
    if (!background_.isNull())
        p.drawPixmap(r, background_, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    if (const auto marker = markerPixel())
        painter.paintMarker(p, *marker);
}

void Ruler::resizeEvent(QResizeEvent* event) {
    backgroundStale_ = true;
    QWidget::resizeEvent(event);
}

// ---- events ----------------------------------------------------------------

void Ruler::raiseMarkerLineStyle() {
    Args args{Variant(int32_t{index_}), Variant(a_.color(RulerColor::ColorRuleMarkerColor)),
              Variant(int32_t{a_.displayMarkerType}), Variant(int32_t{a_.displayMarkerWidth})};
    events_.raise("MarkerLineStyle", args);
}

void Ruler::raiseMouse(const char* event, QMouseEvent* mouse, int buttons) {
    const bool horizontal = orientation_ == RulerOrientation::Horizontal;
    const QPointF pos = mouse->position();
    const RulerMapping map{static_cast<double>(horizontal ? pageWidth_ : pageHeight_),
                           static_cast<double>(horizontal ? width() : height())};
    const double along = map.toTwips(horizontal ? pos.x() : pos.y());
    const double across = (horizontal ? pos.y() : pos.x()) * kTwipsPerScreenPixel;
    Args args{Variant(int32_t{index_}), Variant(static_cast<int16_t>(buttons)),
              Variant(classicShift(mouse->modifiers())), Variant(static_cast<float>(horizontal ? along : across)),
              Variant(static_cast<float>(horizontal ? across : along))};
    // A handler's failure is the host's business; it must not unwind through Qt.
    trapError([&] { events_.raise(event, args); });
}

void Ruler::mouseMoveEvent(QMouseEvent* event) { raiseMouse("RulerMouseMove", event, classicButtons(event->buttons())); }

void Ruler::mousePressEvent(QMouseEvent* event) {
    raiseMouse("RulerMouseButton", event, classicButtons(event->button()));
}

} // namespace kelvppvw
