#include "platform/forms/Control.h"
#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"

#include "platform/forms/Application.h"
#include "platform/forms/ControlHost.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/PictureSource.h"
#include "platform/forms/StdFont.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <cmath>

namespace kelvppvw {

struct Control::Native {
    QPointer<QWidget> widget;
};

Control::Control() : native_(std::make_unique<Native>()), font_(std::make_shared<StdFont>()) {
    Application::ensure();
    font_->changed = [this] { appearanceChanged(); };
    registerMembers();
}

Control::~Control() {
    font_->changed = nullptr;
    // The host's window may have taken the widget down with it already.
    delete native_->widget.data();
}

void Control::registerMembers() {
    property("Name", [this] { return Variant(name_); });
    property("Index", [this] { return Variant(index_); });
    property("Left", [this] { return Variant(Left()); }, [this](const Variant& v) { SetLeft(v.toDouble()); });
    property("Top", [this] { return Variant(Top()); }, [this](const Variant& v) { SetTop(v.toDouble()); });
    property("Width", [this] { return Variant(Width()); }, [this](const Variant& v) { SetWidth(v.toDouble()); });
    property("Height", [this] { return Variant(Height()); }, [this](const Variant& v) { SetHeight(v.toDouble()); });
    property("Visible", [this] { return Variant(visible_); }, [this](const Variant& v) { SetVisible(v.toBool()); });
    property("Enabled", [this] { return Variant(enabled_); }, [this](const Variant& v) { SetEnabled(v.toBool()); });
    property("BackColor", [this] { return Variant(static_cast<int32_t>(backColor_)); },
             [this](const Variant& v) { SetBackColor(static_cast<uint32_t>(v.toLong())); });
    property("ForeColor", [this] { return Variant(static_cast<int32_t>(foreColor_)); },
             [this](const Variant& v) { SetForeColor(static_cast<uint32_t>(v.toLong())); });
    objectProperty("Font", [this] { return Variant(font_); }, [this](const Variant& v) {
        if (auto f = v.objectAs<StdFont>())
            SetFont(*f);
        else
            throw AutomationError(err::TypeMismatch);
    });
    property("FontName", [this] { return Variant(FontName()); }, [this](const Variant& v) { SetFontName(v.toString()); });
    property("FontSize", [this] { return Variant(FontSize()); }, [this](const Variant& v) { SetFontSize(v.toDouble()); });
    property("FontBold", [this] { return Variant(FontBold()); }, [this](const Variant& v) { SetFontBold(v.toBool()); });
    property("FontItalic", [this] { return Variant(FontItalic()); },
             [this](const Variant& v) { SetFontItalic(v.toBool()); });
    property("FontUnderline", [this] { return Variant(FontUnderline()); },
             [this](const Variant& v) { SetFontUnderline(v.toBool()); });
    property("FontStrikethru", [this] { return Variant(FontStrikethru()); },
             [this](const Variant& v) { SetFontStrikethru(v.toBool()); });
    property("ToolTipText", [this] { return Variant(toolTip_); },
             [this](const Variant& v) { SetToolTipText(v.toString()); });
    property("Align", [this] { return Variant(align_); }, [this](const Variant& v) { SetAlign(v.toInteger()); });
    property("Tag", [this] { return Variant(tag_); }, [this](const Variant& v) { SetTag(v.toString()); });
    property("MousePointer", [this] { return Variant(mousePointer_); },
             [this](const Variant& v) { SetMousePointer(v.toInteger()); });
    objectProperty("MouseIcon", [this] { return Variant(std::dynamic_pointer_cast<Dispatch>(mouseIcon_)); },
                   [this](const Variant& v) {
                       auto icon = std::dynamic_pointer_cast<PictureSource>(v.toObject());
                       if (v.toObject() && !icon)
                           throw AutomationError(err::TypeMismatch);
                       SetMouseIcon(icon);
                   });
    method("Move", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        auto opt = [&](size_t i, double keep) { return a.size() > i && !a[i].isMissing() ? a[i].toDouble() : keep; };
        Move(a[0].toDouble(), opt(1, Top()), opt(2, kKeep), opt(3, kKeep));
        return Variant();
    });
    method("Refresh", [this](Args&) {
        Refresh();
        return Variant();
    });
    method("ZOrder", [this](Args& a) {
        ZOrder(a.empty() || a[0].isMissing() ? 0 : a[0].toInteger());
        return Variant();
    });
    method("SetFocus", [this](Args&) {
        SetFocus();
        return Variant();
    });
}

QWidget* Control::widget() const { return native_->widget.data(); }

void Control::setWidget(QWidget* widget) {
    native_->widget = widget;
    widget->hide();
    appearanceChanged();
    applyGeometry();
}

void Control::attach(ControlHost* host, std::string name, int16_t index) {
    host_ = host;
    name_ = std::move(name);
    index_ = index;
    if (QWidget* w = widget())
        w->setObjectName(qs(index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"));
    reparentNative();
    applyGeometry();
}

void Control::reparentNative() {
    QWidget* w = widget();
    if (!w)
        return;
    QWidget* parent = host_ ? host_->hostWidget() : nullptr;
    if (w->parentWidget() != parent)
        w->setParent(parent);
    w->setVisible(parent && visible_);
}

// ---- geometry -------------------------------------------------------------

double Control::toTwipsX(double v) const {
    return host_ ? (v - host_->scaleOriginX()) * host_->twipsPerUnitX() : v;
}
double Control::toTwipsY(double v) const {
    return host_ ? (v - host_->scaleOriginY()) * host_->twipsPerUnitY() : v;
}
double Control::fromTwipsX(double t) const { return host_ ? t / host_->twipsPerUnitX() + host_->scaleOriginX() : t; }
double Control::fromTwipsY(double t) const { return host_ ? t / host_->twipsPerUnitY() + host_->scaleOriginY() : t; }
double Control::sizeToTwipsX(double v) const { return host_ ? v * std::fabs(host_->twipsPerUnitX()) : v; }
double Control::sizeToTwipsY(double v) const { return host_ ? v * std::fabs(host_->twipsPerUnitY()) : v; }
double Control::sizeFromTwipsX(double t) const { return host_ ? t / std::fabs(host_->twipsPerUnitX()) : t; }
double Control::sizeFromTwipsY(double t) const { return host_ ? t / std::fabs(host_->twipsPerUnitY()) : t; }

double Control::Left() const { return fromTwipsX(leftTw_); }
double Control::Top() const { return fromTwipsY(topTw_); }
double Control::Width() const { return sizeFromTwipsX(widthTw_); }
double Control::Height() const { return sizeFromTwipsY(heightTw_); }

void Control::SetLeft(double v) { setTwips(toTwipsX(v), topTw_, widthTw_, heightTw_); }
void Control::SetTop(double v) { setTwips(leftTw_, toTwipsY(v), widthTw_, heightTw_); }
void Control::SetWidth(double v) { setTwips(leftTw_, topTw_, sizeToTwipsX(v), heightTw_); }
void Control::SetHeight(double v) { setTwips(leftTw_, topTw_, widthTw_, sizeToTwipsY(v)); }

void Control::Move(double left, double top, double width, double height) {
    setTwips(toTwipsX(left), toTwipsY(top), width == kKeep ? widthTw_ : sizeToTwipsX(width),
             height == kKeep ? heightTw_ : sizeToTwipsY(height));
}

void Control::setTwips(double left, double top, double width, double height) {
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) || !std::isfinite(height) ||
        width < 0 || height < 0)
        throw AutomationError(err::InvalidPropertyValue);
    const double oldW = widthTw_, oldH = heightTw_;
    const double oldL = leftTw_, oldT = topTw_;
    leftTw_ = left;
    topTw_ = top;
    widthTw_ = width;
    heightTw_ = height;
    try {
        geometryChanged();
    } catch (...) {
        // A size the control cannot take (no memory for its image) changes nothing.
        leftTw_ = oldL;
        topTw_ = oldT;
        widthTw_ = oldW;
        heightTw_ = oldH;
        throw;
    }
    applyGeometry();
    geometryApplied(oldW != widthTw_ || oldH != heightTw_);
}

void Control::SetAlign(int16_t align) {
    if (align < 0 || align > 2)
        throw AutomationError(err::InvalidPropertyValue);
    align_ = align;
    if (host_ && align_ != 0)
        host_->layoutAligned();
}

void Control::placeAligned(double leftTw, double topTw, double widthTw) {
    if (leftTw != leftTw_ || topTw != topTw_ || widthTw != widthTw_)
        setTwips(leftTw, topTw, widthTw, heightTw_);
}

void Control::pixelRect(int& x, int& y, int& w, int& h) const {
    const int offset = host_ ? host_->innerOffsetPx() : 0;
    x = twipsToPixels(leftTw_) + offset;
    y = twipsToPixels(topTw_) + offset;
    w = twipsToPixels(widthTw_);
    h = twipsToPixels(heightTw_);
}

void Control::applyGeometry() {
    int x, y, w, h;
    pixelRect(x, y, w, h);
    if (QWidget* widget = this->widget()) {
        widget->setGeometry(x, y, w, h);
        clipToHost();
    } else if (windowless_ && host_) {
        host_->repaintHost();
    }
}

void Control::clipToHost() {
    QWidget* w = widget();
    if (!w)
        return;
    const int border = host_ ? host_->innerOffsetPx() : 0;
    const QRect inner(border, border, twipsToPixels(host_ ? host_->innerWidthTwips() : 0),
                      twipsToPixels(host_ ? host_->innerHeightTwips() : 0));
    const QRect shown = inner.intersected(w->geometry());
    if (border == 0 || shown == w->geometry()) {
        if (!w->mask().isEmpty())
            w->clearMask();
        return;
    }
    // An empty mask would show everything: a region outside the widget hides it.
    w->setMask(shown.isEmpty() ? QRegion(-1, -1, 1, 1) : QRegion(shown.translated(-w->pos())));
}

// ---- state ----------------------------------------------------------------

void Control::SetVisible(bool visible) {
    const bool changed = visible_ != visible;
    const bool repaint = changed && !widget();
    if (repaint)
        repaintWindowless(); // what it covered while shown
    visible_ = visible;
    if (changed && align_ != 0 && host_)
        host_->layoutAligned();
    if (QWidget* w = widget())
        w->setVisible(visible && w->parentWidget());
    else if (repaint)
        repaintWindowless();
}

void Control::repaintWindowless() const {
    if (host_ && visible_)
        host_->repaintHost();
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    enabledChanged();
}

void Control::enabledChanged() {
    if (QWidget* w = widget())
        w->setEnabled(enabled_);
}

void Control::SetBackColor(uint32_t color) {
    (void)toQColor(color); // raises 380 for a value that is no colour
    backColor_ = color;
    appearanceChanged();
}

void Control::SetForeColor(uint32_t color) {
    (void)toQColor(color);
    foreColor_ = color;
    foreColorChanged();
}

void Control::appearanceChanged() {
    if (QWidget* w = widget()) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, toQColor(backColor_));
        p.setColor(QPalette::Base, toQColor(backColor_));
        p.setColor(QPalette::Button, toQColor(backColor_));
        p.setColor(QPalette::WindowText, toQColor(foreColor_));
        p.setColor(QPalette::Text, toQColor(foreColor_));
        p.setColor(QPalette::ButtonText, toQColor(foreColor_));
        w->setPalette(p);
        w->setFont(toQFont(*font_));
        w->update();
    } else if (host_) {
        host_->repaintHost();
    }
}

void Control::SetFont(const StdFont& font) { font_->copyFrom(font); }
std::string Control::FontName() const { return font_->Name(); }
void Control::SetFontName(const std::string& name) { font_->SetName(name); }
double Control::FontSize() const { return font_->Size(); }
void Control::SetFontSize(double points) { font_->SetSize(points); }
bool Control::FontBold() const { return font_->Bold(); }
void Control::SetFontBold(bool on) { font_->SetBold(on); }
bool Control::FontItalic() const { return font_->Italic(); }
void Control::SetFontItalic(bool on) { font_->SetItalic(on); }
bool Control::FontUnderline() const { return font_->Underline(); }
void Control::SetFontUnderline(bool on) { font_->SetUnderline(on); }
bool Control::FontStrikethru() const { return font_->Strikethrough(); }
void Control::SetFontStrikethru(bool on) { font_->SetStrikethrough(on); }

void Control::SetToolTipText(const std::string& text) {
    toolTip_ = text;
    if (QWidget* w = widget())
        w->setToolTip(qs(text));
}

void Control::SetMousePointer(int16_t pointer) {
    if (pointer == mousePointer_ && widget() && widget()->testAttribute(Qt::WA_SetCursor))
        return; // the widget shows that pointer already
    mousePointer_ = pointer;
    applyCursor();
}

void Control::SetMouseIcon(std::shared_ptr<PictureSource> icon) {
    if (icon == mouseIcon_)
        return;
    mouseIcon_ = std::move(icon);
    applyCursor();
}

void Control::applyCursor() {
    QWidget* w = widget();
    if (!w)
        return;
    switch (mousePointer_) {
    case vb::Arrow: w->setCursor(Qt::ArrowCursor); break;
    case vb::Cross: w->setCursor(Qt::CrossCursor); break;
    case vb::IBeam: w->setCursor(Qt::IBeamCursor); break;
    case vb::SizeNS: w->setCursor(Qt::SizeVerCursor); break;
    case vb::SizeWE: w->setCursor(Qt::SizeHorCursor); break;
    case vb::Hourglass: w->setCursor(Qt::WaitCursor); break;
    case vb::NoDrop: w->setCursor(Qt::ForbiddenCursor); break;
    case vb::SizeAll: w->setCursor(Qt::SizeAllCursor); break;
    case vb::Custom:
        if (mouseIcon_) {
            int hx = -1, hy = -1;
            mouseIcon_->hotSpot(hx, hy);
            const double ratio = w->devicePixelRatioF();
            // The hot spot is in logical pixels, but Qt's X11 platform (6.4)
            // hands it to the server unscaled, as pixels of the image: at
            // ratio 2 the pointer would act half-way to its corner.
            const double hotScale = hx >= 0 && QGuiApplication::platformName() == QLatin1String("xcb") ? ratio : 1.0;
            w->setCursor(QCursor(renderPicture(*mouseIcon_, 0, 0, ratio), static_cast<int>(std::lround(hx * hotScale)),
                                 static_cast<int>(std::lround(hy * hotScale))));
        } else {
            w->unsetCursor();
        }
        break;
    default: w->unsetCursor(); break;
    }
}

void Control::Refresh() {
    if (QWidget* w = widget())
        w->repaint();
    else if (host_)
        host_->repaintHost();
}

void Control::ZOrder(int16_t position) {
    if (QWidget* w = widget()) {
        position == 0 ? w->raise() : w->lower();
    } else if (host_) {
        host_->reorder(*this, position == 0);
    }
}

void Control::SetFocus() {
    QWidget* w = widget();
    if (!w || !visible_ || !enabled_)
        throw AutomationError(err::InvalidProcedureCall);
    w->setFocus(Qt::OtherFocusReason);
}

} // namespace kelvppvw
