#include "components/ruler/RulerDispatch.h"

#include "components/ruler/FontObject.h"

#include <QApplication>

#include <climits>

namespace kelvppvw {

namespace {

int clampedInt(const Variant& v) {
    const double d = v.toDouble();
    if (d != d)
        throw AutomationError(err::TypeMismatch);
    return static_cast<int>(roundHalfEven(std::clamp(d, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX))));
}

} // namespace

RulerDispatch::RulerDispatch() : ruler_(new Ruler) {
    declareColors();
    declareNumbers();
    declareFonts();
    declareMethods();
}

RulerDispatch::~RulerDispatch() {
    if (ruler_ && !ruler_->parent())
        delete ruler_.data();
}

Ruler& RulerDispatch::live() const {
    if (!ruler_)
        throw AutomationError(err::ObjectNotSet);
    return *ruler_;
}

void RulerDispatch::declareColors() {
    for (int i = 0; i < kRulerColorCount; ++i) {
        const auto which = static_cast<RulerColor>(i);
        property(std::string(rulerColorName(which)), [this, which] { return Variant(live().color(which)); },
                 [this, which](const Variant& v) {
                     const double d = v.toDouble();
                     // Colours arrive as signed Longs or as their unsigned reading.
                     if (d < INT32_MIN || d > 4294967295.0 || d != std::floor(d) || !IsValidColor(static_cast<int64_t>(d)))
                         throw AutomationError(380, "Invalid property value");
                     const auto raw = static_cast<int64_t>(d);
                     live().setColor(which, static_cast<int32_t>(static_cast<uint32_t>(raw < 0 ? raw + 0x100000000LL : raw)));
                 });
    }
}

void RulerDispatch::declareNumbers() {
    auto number = [this](std::string name, auto get, auto set) {
        property(std::move(name), [this, get] { return Variant(int32_t{(live().*get)()}); },
                 [this, set](const Variant& v) { (live().*set)(clampedInt(v)); });
    };
    number("DisplayMarkerWidth", &Ruler::displayMarkerWidth, &Ruler::setDisplayMarkerWidth);
    number("DisplayMarkerType", &Ruler::displayMarkerType, &Ruler::setDisplayMarkerType);
    number("DisplayRangeInHeight", &Ruler::displayRangeInHeight, &Ruler::setDisplayRangeInHeight);
    number("DisplayRangeOutHeight", &Ruler::displayRangeOutHeight, &Ruler::setDisplayRangeOutHeight);
    number("RulerScale", &Ruler::rulerScale, &Ruler::setRulerScale);
    number("PrinterPageWidth", &Ruler::printerPageWidth, &Ruler::setPrinterPageWidth);
    number("PrinterPageHeight", &Ruler::printerPageHeight, &Ruler::setPrinterPageHeight);
    number("DisplayRangeBeginning", &Ruler::displayRangeBeginning, &Ruler::setDisplayRangeBeginning);
    number("DisplayRangeEnding", &Ruler::displayRangeEnding, &Ruler::setDisplayRangeEnding);
    number("Index", &Ruler::index, &Ruler::setIndex);
    property("Orientation", [this] { return Variant(int32_t{static_cast<int>(live().orientation())}); },
             [this](const Variant& v) {
                 live().setOrientation(clampedInt(v) == 2 ? RulerOrientation::Vertical : RulerOrientation::Horizontal);
             });
    property("DisplayRuleMarker", [this] { return Variant(live().displayRuleMarker()); },
             [this](const Variant& v) { live().setDisplayRuleMarker(v.toBool()); });
    property("HoldRedraw", [this] { return Variant(live().holdRedraw()); },
             [this](const Variant& v) { live().setHoldRedraw(v.toBool()); });

    // Persisted settings that have no property of their own in the contract
    // read and write through the same rules as ApplySetting.
    for (const char* name : {"EdgeStyle", "EdgeQuadrant", "DisplayScaleName", "DisplayTickNumerals", "DisplayRangeIn",
                             "DisplayRangeOut", "TicksDisplayFine"}) {
        property(name,
                 [this, name] {
                     for (auto& [key, value] : rulerSettingsToSave(live().appearance()))
                         if (key == name)
                             return value;
                     return Variant();
                 },
                 [this, name](const Variant& v) {
                     RulerAppearance next = live().appearance();
                     if (applyRulerSetting(next, name, v) == SettingOutcome::Ignored)
                         throw AutomationError(380, "Invalid property value");
                     live().setAppearance(next);
                 });
    }
}

void RulerDispatch::fontProperty(std::string name, ObjectRef& holder, FontDescription (Ruler::*get)() const,
                                 void (Ruler::*set)(const FontDescription&)) {
    objectProperty(std::move(name),
                   [this, &holder, get]() -> Variant {
                       if (holder)
                           return Variant(holder);
                       return Variant(std::make_shared<FontObject>((live().*get)()));
                   },
                   [this, &holder, get, set](const Variant& v) {
                       ObjectRef font = v.toObject();
                       if (!font)
                           throw AutomationError(err::ObjectNotSet);
                       (live().*set)(FontDescription::fromObject(*font, (live().*get)()));
                       holder = std::move(font);
                   });
}

void RulerDispatch::declareFonts() {
    fontProperty("PageFont", pageFont_, &Ruler::pageFont, &Ruler::setPageFont);
    fontProperty("FontForPitch", pitchFont_, &Ruler::fontForPitch, &Ruler::setFontForPitch);
    fontProperty("Font", numeralFont_, &Ruler::rulerFont, &Ruler::setRulerFont);
    fontProperty("ScaleNameFont", scaleNameFont_, &Ruler::scaleNameFont, &Ruler::setScaleNameFont);
}

void RulerDispatch::rereadFonts() {
    // Font objects are held by reference: what the host changed in them since
    // shows at the next refresh.
    Ruler& r = live();
    if (pageFont_)
        r.setPageFont(FontDescription::fromObject(*pageFont_, r.pageFont()));
    if (pitchFont_)
        r.setFontForPitch(FontDescription::fromObject(*pitchFont_, r.fontForPitch()));
    if (numeralFont_)
        r.setRulerFont(FontDescription::fromObject(*numeralFont_, r.rulerFont()));
    if (scaleNameFont_)
        r.setScaleNameFont(FontDescription::fromObject(*scaleNameFont_, r.scaleNameFont()));
}

void RulerDispatch::declareMethods() {
    method("ApplySetting", [this](Args& a) {
        if (a.size() < 2)
            throw AutomationError(err::ArgumentNotOptional);
        live().ApplySetting(a[0].toString(), a[1]);
        return Variant();
    });
    method("SaveSettings", [this](Args&) {
        live().SaveSettings();
        return Variant();
    });
    method("RefreshRuler", [this](Args&) {
        rereadFonts();
        live().RefreshRuler();
        return Variant();
    });
    method("HideMarker", [this](Args&) {
        live().HideMarker();
        return Variant();
    });
    method("MoveMarker", [this](Args& a) {
        if (a.size() < 2)
            throw AutomationError(err::ArgumentNotOptional);
        live().MoveMarker(a[0].toSingle(), a[1].toSingle());
        return Variant();
    });
}

void registerRulerClass(ClassRegistry& registry) {
    registry.registerClass("kelvRule.Ruler", []() -> ObjectRef {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            throw AutomationError(err::CannotCreateObject, "kelvRule.Ruler needs a running QApplication");
        return std::make_shared<RulerDispatch>();
    });
    registry.registerClass("kelvRule.Font", [] { return std::make_shared<FontObject>(); });
}

void unregisterRulerClass(ClassRegistry& registry) {
    registry.unregisterClass("kelvRule.Ruler");
    registry.unregisterClass("kelvRule.Font");
}

} // namespace kelvppvw
