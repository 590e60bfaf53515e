#include "platform/forms/PictureBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBoxWidget.h"
#include "platform/forms/PictureSource.h"
#include "platform/forms/RetainedDrawing.h"
#include "platform/forms/StdFont.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <cmath>

namespace kelvppvw {

namespace {

DeviceContextFactory& contextFactory() {
    static DeviceContextFactory factory;
    return factory;
}

DeviceContextRelease& contextRelease() {
    static DeviceContextRelease release;
    return release;
}

double& imageLimit() {
    static double limit = 512.0 * 1024 * 1024;
    return limit;
}

constexpr int kMaxImageSide = 32767; // the painter's coordinate range

double twipsPerStandardUnit(int16_t mode, bool vertical) {
    switch (mode) {
    case vb::Points: return 20.0;
    case vb::Pixels: return 15.0;
    case 4: return vertical ? 240.0 : 120.0; // characters
    case vb::Inches: return 1440.0;
    case vb::Millimeters: return 1440.0 / 25.4;
    case vb::Centimeters: return 1440.0 / 2.54;
    default: return 1.0;
    }
}

int ipx(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// An image of the box's pixels: 96 of them per inch, for text in points.
QImage pixelImage(int width, int height) {
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

// Text is measured as on the persistent image, whether or not there is one.
const QImage& measuringDevice() {
    static const QImage device = pixelImage(1, 1);
    return device;
}

// Shared ownership of a picture, so that retained drawing can play it later;
// null for a picture nobody shares.
std::shared_ptr<const PictureSource> sharedPicture(const PictureSource& picture) {
    if (const auto* object = dynamic_cast<const Dispatch*>(&picture))
        return std::dynamic_pointer_cast<const PictureSource>(object->weak_from_this().lock());
    return nullptr;
}

} // namespace

// The persistent image follows the box's size lazily: a render may resize the
// box several times before it draws, and only the size drawn at is made.
// What Cls leaves is not copied into a resized image but cleared there anew.
// With retained drawing the image holds only what was drawn before the pixels
// were last asked for; the operations since then are kept in `retained`.
struct PictureBox::Surface {
    explicit Surface(const PictureBox& box) : retained([&box](QPainter& p) { box.paintUnderlay(p); }) {}
    QImage image;
    uint32_t lastBackColor = 0;
    bool cleared = true;      // holds only what Cls leaves (background and Picture)
    bool clearPending = true; // ... and that has not been painted into the image yet
    RetainedDrawing retained;
};

PictureBox::PictureBox() : surface_(std::make_unique<Surface>(*this)) {
    SetBackColor(0x8000000Fu);
    surface_->lastBackColor = BackColor();
    setWidget(new PictureBoxWidget(*this));
    registerMembers();
}

PictureBox::~PictureBox() {
    if (contextRelease())
        contextRelease()(*this);
    if (auto* w = native<PictureBoxWidget>())
        w->detach();
}

void PictureBox::registerMembers() {
    property("ScaleMode", [this] { return Variant(scaleMode_); }, [this](const Variant& v) { SetScaleMode(v.toInteger()); });
    property("ScaleLeft", [this] { return Variant(ScaleLeft()); }, [this](const Variant& v) { SetScaleLeft(v.toDouble()); });
    property("ScaleTop", [this] { return Variant(ScaleTop()); }, [this](const Variant& v) { SetScaleTop(v.toDouble()); });
    property("ScaleWidth", [this] { return Variant(ScaleWidth()); },
             [this](const Variant& v) { SetScaleWidth(v.toDouble()); });
    property("ScaleHeight", [this] { return Variant(ScaleHeight()); },
             [this](const Variant& v) { SetScaleHeight(v.toDouble()); });
    property("CurrentX", [this] { return Variant(currentX_); }, [this](const Variant& v) { currentX_ = v.toDouble(); });
    property("CurrentY", [this] { return Variant(currentY_); }, [this](const Variant& v) { currentY_ = v.toDouble(); });
    property("DrawStyle", [this] { return Variant(drawStyle_); }, [this](const Variant& v) { SetDrawStyle(v.toInteger()); });
    property("DrawWidth", [this] { return Variant(drawWidth_); }, [this](const Variant& v) { SetDrawWidth(v.toInteger()); });
    property("FillStyle", [this] { return Variant(fillStyle_); }, [this](const Variant& v) { SetFillStyle(v.toInteger()); });
    property("FillColor", [this] { return Variant(static_cast<int32_t>(fillColor_)); },
             [this](const Variant& v) { SetFillColor(static_cast<uint32_t>(v.toLong())); });
    property("AutoRedraw", [this] { return Variant(autoRedraw_); }, [this](const Variant& v) { SetAutoRedraw(v.toBool()); });
    property("BorderStyle", [this] { return Variant(borderStyle_); },
             [this](const Variant& v) { SetBorderStyle(v.toInteger()); });
    property("hDC", [this] { return Variant(hDC()); });
    objectProperty("Picture", [this] { return Variant(std::dynamic_pointer_cast<Dispatch>(picture_)); },
                   [this](const Variant& v) {
                       auto p = std::dynamic_pointer_cast<PictureSource>(v.toObject());
                       if (v.toObject() && !p)
                           throw AutomationError(err::TypeMismatch);
                       SetPicture(p);
                   });
    method("Scale", [this](Args& a) {
        if (a.size() >= 4)
            Scale(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble());
        else
            Scale();
        return Variant();
    });
    method("Print", [this](Args& a) {
        Print(a.empty() ? std::string() : a[0].toString(), a.size() < 2 || a[1].isMissing() || a[1].toBool());
        return Variant();
    });
    method("Cls", [this](Args&) {
        Cls();
        return Variant();
    });
    method("Line", [this](Args& a) {
        if (a.size() < 4)
            throw AutomationError(err::ArgumentNotOptional);
        std::optional<uint32_t> color;
        if (a.size() > 4 && !a[4].isMissing())
            color = static_cast<uint32_t>(a[4].toLong());
        LineBox box = LineBox::None;
        if (a.size() > 5 && !a[5].isMissing()) {
            const std::string f = a[5].toString();
            box = (f == "BF" || f == "bf") ? LineBox::BoxFilled : (f == "B" || f == "b") ? LineBox::Box : LineBox::None;
        }
        Line(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble(), color, box);
        return Variant();
    });
    method("PSet", [this](Args& a) {
        if (a.size() < 2)
            throw AutomationError(err::ArgumentNotOptional);
        std::optional<uint32_t> color;
        if (a.size() > 2 && !a[2].isMissing())
            color = static_cast<uint32_t>(a[2].toLong());
        PSet(a[0].toDouble(), a[1].toDouble(), color);
        return Variant();
    });
    method("PaintPicture", [this](Args& a) {
        if (a.size() < 3)
            throw AutomationError(err::ArgumentNotOptional);
        auto picture = std::dynamic_pointer_cast<PictureSource>(a[0].toObject());
        if (!picture)
            throw AutomationError(err::TypeMismatch);
        auto opt = [&](size_t i) { return a.size() > i && !a[i].isMissing() ? a[i].toDouble() : kKeep; };
        PaintPicture(*picture, a[1].toDouble(), a[2].toDouble(), opt(3), opt(4));
        return Variant();
    });
    method("TextWidth", [this](Args& a) { return Variant(TextWidth(a.empty() ? "" : a[0].toString())); });
    method("TextHeight", [this](Args& a) { return Variant(TextHeight(a.empty() ? "" : a[0].toString())); });
    method("Point", [this](Args& a) {
        if (a.size() < 2)
            throw AutomationError(err::ArgumentNotOptional);
        return Variant(Point(a[0].toDouble(), a[1].toDouble()));
    });
}

// ---- scale ------------------------------------------------------------------

int PictureBox::innerOffsetPx() const { return borderStyle_ == 1 ? 2 : 0; }
int PictureBox::innerPixelWidth() const { return std::max(0, twipsToPixels(widthTw()) - 2 * innerOffsetPx()); }
int PictureBox::innerPixelHeight() const { return std::max(0, twipsToPixels(heightTw()) - 2 * innerOffsetPx()); }
QRect PictureBox::imageRect() const {
    return QRect(0, 0, std::max(1, innerPixelWidth()), std::max(1, innerPixelHeight()));
}

double PictureBox::ScaleLeft() const { return scaleMode_ == vb::User ? userLeft_ : 0.0; }
double PictureBox::ScaleTop() const { return scaleMode_ == vb::User ? userTop_ : 0.0; }
double PictureBox::ScaleWidth() const {
    return scaleMode_ == vb::User ? userWidth_ : innerPixelWidth() * 15.0 / twipsPerStandardUnit(scaleMode_, false);
}
double PictureBox::ScaleHeight() const {
    return scaleMode_ == vb::User ? userHeight_ : innerPixelHeight() * 15.0 / twipsPerStandardUnit(scaleMode_, true);
}

double PictureBox::twipsPerUnitX() const {
    if (scaleMode_ != vb::User)
        return twipsPerStandardUnit(scaleMode_, false);
    return std::max(1, innerPixelWidth()) * 15.0 / userWidth_;
}
double PictureBox::twipsPerUnitY() const {
    if (scaleMode_ != vb::User)
        return twipsPerStandardUnit(scaleMode_, true);
    return std::max(1, innerPixelHeight()) * 15.0 / userHeight_;
}
double PictureBox::unitsPerPixelX() const { return 15.0 / twipsPerUnitX(); }
double PictureBox::unitsPerPixelY() const { return 15.0 / twipsPerUnitY(); }
double PictureBox::toPixelX(double x) const { return (x - ScaleLeft()) / unitsPerPixelX(); }
double PictureBox::toPixelY(double y) const { return (y - ScaleTop()) / unitsPerPixelY(); }

// Children keep their place in twips when the scale changes; only the numbers
// they report change.
void PictureBox::SetScaleMode(int16_t mode) {
    if (mode < 0 || mode > 7)
        throw AutomationError(err::InvalidPropertyValue);
    if (mode == vb::User) {
        // Switching to user keeps the current numbers as the user scale.
        userLeft_ = ScaleLeft();
        userTop_ = ScaleTop();
        // An empty box has no scale to keep; one unit per twip avoids a zero.
        userWidth_ = ScaleWidth() != 0 ? ScaleWidth() : 1;
        userHeight_ = ScaleHeight() != 0 ? ScaleHeight() : 1;
    }
    scaleMode_ = mode;
}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
    if (x2 == x1 || y2 == y1)
        throw AutomationError(err::InvalidPropertyValue);
    scaleMode_ = vb::User;
    userLeft_ = x1;
    userTop_ = y1;
    userWidth_ = x2 - x1;
    userHeight_ = y2 - y1;
}

void PictureBox::Scale() {
    scaleMode_ = vb::Twips;
}

void PictureBox::SetScaleLeft(double v) {
    SetScaleMode(vb::User);
    userLeft_ = v;
}
void PictureBox::SetScaleTop(double v) {
    SetScaleMode(vb::User);
    userTop_ = v;
}
void PictureBox::SetScaleWidth(double v) {
    if (v == 0)
        throw AutomationError(err::InvalidPropertyValue);
    SetScaleMode(vb::User);
    userWidth_ = v;
}
void PictureBox::SetScaleHeight(double v) {
    if (v == 0)
        throw AutomationError(err::InvalidPropertyValue);
    SetScaleMode(vb::User);
    userHeight_ = v;
}

// ---- persistent image ---------------------------------------------------------

void PictureBox::SetImageMemoryLimit(double bytes) { imageLimit() = bytes; }

bool PictureBox::imageTooBig(int width, int height) {
    return width > kMaxImageSide || height > kMaxImageSide ||
           4.0 * std::max(1, width) * std::max(1, height) > imageLimit();
}

void PictureBox::makeImage(int width, int height) {
    Surface& s = *surface_;
    QImage image;
    if (!imageTooBig(width, height))
        image = pixelImage(width, height);
    if (image.isNull()) {
        // With AutoRedraw the resize was refused (480) and the image stays as
        // it was; without, drawing that finds no persistent image is lost.
        if (!autoRedraw_)
            s.image = QImage();
        return;
    }
    if (s.cleared || s.image.isNull()) {
        s.clearPending = true;
    } else {
        image.fill(toQColor(BackColor()));
        QPainter p(&image);
        p.drawImage(0, 0, s.image);
    }
    s.image = std::move(image);
}

QImage& PictureBox::image() const {
    Surface& s = *surface_;
    const int w = innerPixelWidth(), h = innerPixelHeight();
    if (retaining_ && !s.retained.empty()) {
        // The pixels are wanted: what was kept becomes the image.
        QImage flat;
        if (!imageTooBig(w, h))
            flat = pixelImage(w, h);
        if (flat.isNull())
            return s.image;
        QPainter p(&flat);
        s.retained.play(p);
        p.end();
        s.image = std::move(flat);
        s.cleared = false;
        s.clearPending = false;
        s.retained.clear();
        return s.image;
    }
    if (s.image.isNull() || s.image.width() != std::max(1, w) || s.image.height() != std::max(1, h))
        const_cast<PictureBox*>(this)->makeImage(w, h);
    if (s.clearPending && !s.image.isNull()) {
        s.clearPending = false;
        s.image.fill(toQColor(BackColor()));
        if (picture_) {
            QPainter p(&s.image);
            picture_->paint(p, QRectF(0, 0, picture_->widthHimetric() * 96.0 / 2540.0,
                                      picture_->heightHimetric() * 96.0 / 2540.0));
        }
    }
    return s.image;
}

QImage& PictureBox::drawingImage() {
    QImage& result = image();
    surface_->cleared = false;
    return result;
}

void PictureBox::paintUnderlay(QPainter& painter) const {
    const Surface& s = *surface_;
    painter.fillRect(QRect(0, 0, innerPixelWidth(), innerPixelHeight()), toQColor(BackColor()));
    if (!s.cleared && !s.image.isNull())
        painter.drawImage(0, 0, s.image);
    else if (picture_)
        picture_->paint(painter, QRectF(0, 0, picture_->widthHimetric() * 96.0 / 2540.0,
                                        picture_->heightHimetric() * 96.0 / 2540.0));
}

void PictureBox::SetDrawingRetained(bool on) {
    if (on == retaining_)
        return;
    if (!on)
        (void)image();
    retaining_ = on;
    surface_->retained.clear();
    drawn();
}

void PictureBox::draw(const std::function<void(QPainter&)>& operation, bool keepable) {
    if (retaining_ && keepable) {
        surface_->retained.append(operation);
    } else {
        QImage& image = drawingImage();
        if (image.isNull())
            return;
        QPainter p(&image);
        operation(p);
        p.end();
        // Kept operations play over the image: what they show changed too.
        surface_->retained.invalidate();
    }
    drawn();
}

void PictureBox::geometryChanged() {
    // Only whether the image could be made is decided now; it is made when used.
    if (autoRedraw_ && imageTooBig(innerPixelWidth(), innerPixelHeight()))
        throw AutomationError(err::CannotCreateAutoRedrawImage);
}

void PictureBox::geometryApplied(bool sizeChanged) {
    if (!sizeChanged)
        return;
    surface_->retained.invalidate();
    for (const auto& child : controls())
        child->clipToHost();
    layoutAligned();
    if (onResize)
        onResize();
}

void PictureBox::SetAutoRedraw(bool on) {
    if (on == autoRedraw_)
        return;
    if (on && imageTooBig(innerPixelWidth(), innerPixelHeight()))
        throw AutomationError(err::CannotCreateAutoRedrawImage);
    autoRedraw_ = on;
}

void PictureBox::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 1)
        throw AutomationError(err::InvalidPropertyValue);
    const int16_t old = borderStyle_;
    borderStyle_ = style;
    try {
        geometryChanged();
    } catch (...) {
        borderStyle_ = old;
        throw;
    }
    hostScaleChanged();
}

void PictureBox::appearanceChanged() {
    Control::appearanceChanged();
    if (surface_ && BackColor() != surface_->lastBackColor) {
        // A new background colour wipes the drawing, as it always has.
        surface_->lastBackColor = BackColor();
        Cls();
    }
}

QImage& PictureBox::surfaceImage() { return drawingImage(); }

void PictureBox::surfaceChanged() {
    surface_->retained.invalidate();
    drawn();
}

void PictureBox::drawn() {
    if (QWidget* w = widget())
        w->update();
}

int32_t PictureBox::hDC() {
    if (!contextFactory())
        throw AutomationError(err::InvalidProcedureCall, "No device context provider is installed");
    return contextFactory()(*this);
}

void PictureBox::SetDeviceContextFactory(DeviceContextFactory factory, DeviceContextRelease release) {
    contextFactory() = std::move(factory);
    contextRelease() = std::move(release);
}

// ---- drawing ------------------------------------------------------------------

void PictureBox::SetDrawStyle(int16_t style) {
    if (style < 0 || style > 6)
        throw AutomationError(err::InvalidPropertyValue);
    drawStyle_ = style;
}
void PictureBox::SetDrawWidth(int16_t pixels) {
    if (pixels < 1)
        throw AutomationError(err::InvalidPropertyValue);
    drawWidth_ = pixels;
}
void PictureBox::SetFillStyle(int16_t style) {
    if (style < 0 || style > 7)
        throw AutomationError(err::InvalidPropertyValue);
    fillStyle_ = style;
}
void PictureBox::SetFillColor(uint32_t color) {
    (void)toQColor(color);
    fillColor_ = color;
}

namespace {

QPen classicPen(QColor color, int16_t style, int16_t width) {
    if (style == vb::Invisible)
        return QPen(Qt::NoPen);
    QPen pen(color);
    pen.setWidth(width <= 1 ? 0 : width);
    pen.setCapStyle(Qt::FlatCap);
    if (width <= 1) {
        // Styled lines exist only one pixel wide; dots alternate pixel by pixel.
        switch (style) {
        case vb::Dash: pen.setDashPattern({6, 2}); break;
        case vb::Dot: pen.setDashPattern({1, 1}); break;
        case vb::DashDot: pen.setDashPattern({6, 2, 1, 2}); break;
        case vb::DashDotDot: pen.setDashPattern({6, 2, 1, 2, 1, 2}); break;
        default: break;
        }
    }
    return pen;
}

// Above one device pixel per logical pixel, a one-pixel line stays one
// logical pixel wide, on the pixels it covers at one to one.
void setClassicPen(QPainter& p, QColor color, int16_t style, int16_t width) {
    QPen pen = classicPen(color, style, width);
    if (width <= 1 && pen.style() != Qt::NoPen && std::abs(p.deviceTransform().m11()) > 1) {
        pen.setWidth(1);
        p.translate(0.5, 0.5);
    }
    p.setPen(pen);
}

Qt::BrushStyle hatch(int16_t fillStyle) {
    switch (fillStyle) {
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::FDiagPattern;
    case 5: return Qt::BDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

QStringList splitLines(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t.split(QLatin1Char('\n'));
}

} // namespace

void PictureBox::Cls() {
    surface_->cleared = true;
    surface_->clearPending = true;
    surface_->retained.clear();
    if (retaining_)
        surface_->image = QImage();
    currentX_ = 0;
    currentY_ = 0;
    drawn();
}

void PictureBox::SetPicture(std::shared_ptr<PictureSource> picture) {
    picture_ = std::move(picture);
    const double x = currentX_, y = currentY_;
    Cls();
    currentX_ = x;
    currentY_ = y;
}

void PictureBox::Print(const std::string& text, bool endLine) {
    const QFont font = toQFont(*Font());
    const QFontMetricsF fm(font, &measuringDevice());
    std::vector<std::pair<QPointF, QString>> runs;
    const QStringList lines = splitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool last = i + 1 == lines.size();
        if (!lines[i].isEmpty())
            runs.emplace_back(QPointF(toPixelX(currentX_), toPixelY(currentY_) + fm.ascent()), lines[i]);
        if (last && !endLine) {
            currentX_ += fm.horizontalAdvance(lines[i]) * unitsPerPixelX();
        } else {
            currentX_ = ScaleLeft();
            currentY_ += fm.height() * unitsPerPixelY();
        }
    }
    draw([font, color = toQColor(ForeColor()), runs](QPainter& p) {
        p.setFont(font);
        p.setPen(color);
        for (const auto& [at, line] : runs)
            p.drawText(at, line);
    });
}

double PictureBox::TextWidth(const std::string& text) const {
    const QFontMetricsF fm(toQFont(*Font()), &measuringDevice());
    double widest = 0;
    for (const QString& line : splitLines(text))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest * std::fabs(unitsPerPixelX());
}

double PictureBox::TextHeight(const std::string& text) const {
    const QFontMetricsF fm(toQFont(*Font()), &measuringDevice());
    return fm.height() * splitLines(text).size() * std::fabs(unitsPerPixelY());
}

void PictureBox::Line(double x1, double y1, double x2, double y2, std::optional<uint32_t> color, LineBox box) {
    const QColor c = toQColor(color.value_or(ForeColor()));
    currentX_ = x2;
    currentY_ = y2;
    const int ax = ipx(toPixelX(x1)), ay = ipx(toPixelY(y1)), bx = ipx(toPixelX(x2)), by = ipx(toPixelY(y2));
    const int16_t style = drawStyle_, width = drawWidth_, fill = fillStyle_;
    const QColor fillColor = toQColor(fillColor_);
    draw([=](QPainter& p) {
        if (box == LineBox::None) {
            setClassicPen(p, c, style, width);
            p.drawLine(ax, ay, bx, by);
            return;
        }
        const int l = std::min(ax, bx), r = std::max(ax, bx), t = std::min(ay, by), b = std::max(ay, by);
        if (box == LineBox::BoxFilled) {
            p.fillRect(QRect(l, t, r - l + 1, b - t + 1), c);
            return;
        }
        if (fill != vb::FillTransparent)
            p.fillRect(QRect(l, t, r - l + 1, b - t + 1), QBrush(fillColor, hatch(fill)));
        setClassicPen(p, c, style, width);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(l, t, r - l, b - t));
    });
}

void PictureBox::PSet(double x, double y, std::optional<uint32_t> color) {
    currentX_ = x;
    currentY_ = y;
    const int px = ipx(toPixelX(x)), py = ipx(toPixelY(y));
    if (!imageRect().contains(px, py))
        return;
    draw([px, py, c = toQColor(color.value_or(ForeColor()))](QPainter& p) { p.fillRect(QRect(px, py, 1, 1), c); });
}

void PictureBox::PaintPicture(const PictureSource& picture, double x, double y, double width, double height) {
    // Natural size: hundredths of a millimetre -> twips -> scale units.
    if (width == kKeep)
        width = picture.widthHimetric() * 1440.0 / 2540.0 / twipsPerUnitX();
    if (height == kKeep)
        height = picture.heightHimetric() * 1440.0 / 2540.0 / twipsPerUnitY();
    const double x1 = toPixelX(x), y1 = toPixelY(y), x2 = toPixelX(x + width), y2 = toPixelY(y + height);
    const QRectF target = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    const std::shared_ptr<const PictureSource> shared = sharedPicture(picture);
    const PictureSource* source = shared ? shared.get() : &picture;
    draw(
        [shared, source, target](QPainter& p) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            source->paint(p, target);
        },
        shared != nullptr);
}

int32_t PictureBox::Point(double x, double y) const {
    const int px = ipx(toPixelX(x)), py = ipx(toPixelY(y));
    QRgb c = 0;
    if (retaining_) {
        if (!imageRect().contains(px, py))
            return -1;
        // The one pixel played on its own: a colour asked for does not make the whole image.
        QImage one = pixelImage(1, 1);
        QPainter p(&one);
        p.translate(-px, -py);
        surface_->retained.play(p);
        p.end();
        c = one.pixel(0, 0);
    } else {
        const QImage& image = this->image();
        if (image.isNull() || !image.rect().contains(px, py))
            return -1;
        c = image.pixel(px, py);
    }
    return static_cast<int32_t>(RGB(qRed(c), qGreen(c), qBlue(c)));
}

// ---- native -------------------------------------------------------------------

void PictureBox::nativePaint(QPainter& painter, const QRegion& dirty) {
    QWidget* w = widget();
    const int b = innerOffsetPx();
    if (b == 2) {
        const QRect r = w->rect();
        painter.setPen(toQColor(0x80000010u));
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(toQColor(0x80000014u));
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter.setPen(toQColor(0x80000015u));
        painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 2, r.top() + 1);
        painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 2);
        painter.setPen(toQColor(0x80000016u));
        painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }
    const QRect inner(b, b, innerPixelWidth(), innerPixelHeight());
    painter.setClipRect(inner);
    if (!retaining_)
        painter.fillRect(inner, toQColor(BackColor()));
    if (!autoRedraw_ && onPaint)
        onPaint();
    if (retaining_) {
        painter.save();
        painter.translate(b, b);
        surface_->retained.paint(painter, (dirty & inner).translated(-b, -b),
                                 (w->visibleRegion().boundingRect() & inner).translated(-b, -b));
        painter.restore();
    } else if (const QImage& shown = image(); !shown.isNull()) {
        // Only the dirty part of the image: a pointer's thin lines across a
        // large page must not copy the whole page again.
        for (const QRect& r : dirty & inner)
            painter.drawImage(r.topLeft(), shown, r.translated(-b, -b));
    }
    paintWindowlessChildren(painter);
}

void PictureBox::SetTabStop(bool on) {
    tabStop_ = on;
    if (QWidget* w = widget())
        w->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

bool PictureBox::nativeKey(int16_t keyCode, int16_t shift) {
    if (!onKeyDown)
        return false;
    onKeyDown(keyCode, shift);
    return true;
}

bool PictureBox::nativeWheel(double notches, int16_t shift, bool horizontal) {
    if (!onMouseWheel)
        return false;
    onMouseWheel(notches, shift, horizontal);
    return true;
}

void PictureBox::nativeMouse(int kind, int16_t button, int16_t shift, double px, double py) {
    const int b = innerOffsetPx();
    const float x = static_cast<float>((px - b) * unitsPerPixelX() + ScaleLeft());
    const float y = static_cast<float>((py - b) * unitsPerPixelY() + ScaleTop());
    switch (kind) {
    case 0:
        if (onMouseDown)
            onMouseDown(button, shift, x, y);
        break;
    case 1:
        if (onMouseMove)
            onMouseMove(button, shift, x, y);
        break;
    case 2:
        if (onMouseUp)
            onMouseUp(button, shift, x, y);
        if (onClick && widget() && widget()->rect().contains(static_cast<int>(px), static_cast<int>(py)))
            onClick();
        break;
    default:
        if (onDblClick)
            onDblClick();
        break;
    }
}

} // namespace kelvppvw
