#include "components/colorpicker/ColorPicker.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/ColorDialog.h"
#include "platform/forms/FocusFrame.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/OleColor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace kelvppvw {

namespace {

constexpr double kTwipsPerScreenPixel = 15.0;

int32_t checkedColor(int32_t color) {
    if (!IsValidColor(color))
        throw AutomationError(err::InvalidPropertyValue);
    return color;
}

} // namespace

ColorPicker::ColorPicker(QWidget* parent) : QToolButton(parent) {
    setObjectName(QStringLiteral("kvxBFCBrowseForColor"));
    setFocusPolicy(Qt::StrongFocus);
    // A failing handler belongs to the host; it must not unwind through Qt.
    connect(this, &QToolButton::clicked, this, [this] { trapError([this] { browse(); }); });
    describe();
}

void ColorPicker::setPickedColor(int32_t color) {
    picked_ = checkedColor(color);
    describe();
    update();
}

void ColorPicker::setDesignColor(int32_t color) { design_ = checkedColor(color); }

void ColorPicker::ResetColor() {
    setPickedColor(design_);
    choose("ColorPicked", {Variant(int32_t{index_}), Variant(int16_t{0}), Variant(picked_)}, 2);
}

void ColorPicker::browse() {
    const auto chosen = ChooseColor(static_cast<uint32_t>(picked_), toolTip().toStdString());
    if (!chosen)
        return;
    setPickedColor(static_cast<int32_t>(*chosen));
    choose("ColorPicked", {Variant(int32_t{index_}), Variant(int16_t{1}), Variant(picked_)}, 2);
}

void ColorPicker::choose(const char* event, Args args, size_t colorArg) {
    events_.raise(event, args);
    // lColor is by reference: a handler may answer with another colour; one
    // that is no colour leaves the choice as it was.
    trapError([&] { setPickedColor(args[colorArg].toLong()); });
}

void ColorPicker::describe() {
    const uint32_t bgr = TryResolveColor(picked_).value_or(0);
    const QColor shown(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    setAccessibleDescription(shown.name(QColor::HexRgb));
}

void ColorPicker::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    p.drawComplexControl(QStyle::CC_ToolButton, option);
    const QRect swatch = rect().adjusted(4, 4, -4, -4);
    p.fillRect(swatch, toQColor(static_cast<uint32_t>(picked_)));
    // The outline's pen centred on the swatch's outermost pixels: whole
    // pixels at any device pixel ratio.
    p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(swatch).adjusted(0.5, 0.5, -0.5, -0.5));
    // The swatch covers the style's own focus frame.
    if (hasFocus())
        paintFocusFrame(p, *this, rect().adjusted(1, 1, -1, -1));
}

void ColorPicker::mousePressEvent(QMouseEvent* event) {
    Args args{Variant(int32_t{index_}), Variant(classicButton(event->button())),
              Variant(classicShift(event->modifiers())),
              Variant(static_cast<float>(event->position().x() * kTwipsPerScreenPixel)),
              Variant(static_cast<float>(event->position().y() * kTwipsPerScreenPixel))};
    trapError([&] { events_.raise("PickerMouseButton", args); });
    QToolButton::mousePressEvent(event);
}

void ColorPicker::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        const QColor color = toQColor(static_cast<uint32_t>(picked_));
        auto* data = new QMimeData;
        data->setColorData(color);
        data->setText(color.name(QColor::HexRgb));
        QGuiApplication::clipboard()->setMimeData(data);
    } else if (event->matches(QKeySequence::Paste)) {
        trapError([this] { paste(); });
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
    } else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        // The keyboard's way back to the design colour, reported as a choice.
        trapError([this] { ResetColor(); });
    } else {
        QToolButton::keyPressEvent(event);
    }
}

void ColorPicker::paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const QColor color = data->hasColor() ? qvariant_cast<QColor>(data->colorData())
                                          : QColor::fromString(data->text().trimmed());
    if (!color.isValid())
        return;
    setPickedColor(static_cast<int32_t>(RGB(color.red(), color.green(), color.blue())));
    choose("ColorSelected", {Variant(int32_t{index_}), Variant(picked_)}, 1);
}

} // namespace kelvppvw
