#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlHost.h"
#include "platform/forms/DeviceSurface.h"

#include <functional>
#include <memory>
#include <optional>

class QRect;
class QRegion;

namespace kelvppvw {

namespace vb {
// ScaleMode
inline constexpr int16_t User = 0;
inline constexpr int16_t Twips = 1;
inline constexpr int16_t Points = 2;
inline constexpr int16_t Pixels = 3;
inline constexpr int16_t Inches = 5;
inline constexpr int16_t Millimeters = 6;
inline constexpr int16_t Centimeters = 7;
// DrawStyle (also the BorderStyle of Shape and Line)
inline constexpr int16_t Solid = 0;
inline constexpr int16_t Dash = 1;
inline constexpr int16_t Dot = 2;
inline constexpr int16_t DashDot = 3;
inline constexpr int16_t DashDotDot = 4;
inline constexpr int16_t Invisible = 5;
inline constexpr int16_t InsideSolid = 6;
// FillStyle
inline constexpr int16_t FillSolid = 0;
inline constexpr int16_t FillTransparent = 1;
} // namespace vb

enum class LineBox { None, Box, BoxFilled };

// A drawing surface and container: scale modes, text output at the current
// position, lines and boxes, stretched pictures and a persistent image
// (AutoRedraw) that survives repaints.
class PictureBox : public Control, public ControlHost, public DeviceSurface {
public:
    PictureBox();
    ~PictureBox() override;

    int16_t ScaleMode() const { return scaleMode_; }
    void SetScaleMode(int16_t mode);
    // A user coordinate system: (x1, y1) top left, (x2, y2) bottom right.
    void Scale(double x1, double y1, double x2, double y2);
    // Back to twips.
    void Scale();
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;
    void SetScaleLeft(double v);
    void SetScaleTop(double v);
    void SetScaleWidth(double v);
    void SetScaleHeight(double v);

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }
    int16_t DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(int16_t style);
    int16_t DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int16_t pixels);
    int16_t FillStyle() const { return fillStyle_; }
    void SetFillStyle(int16_t style);
    uint32_t FillColor() const { return fillColor_; }
    void SetFillColor(uint32_t color);
    int16_t BorderStyle() const { return borderStyle_; }
    // 0 none, 1 a sunken two-pixel border around the inner area.
    void SetBorderStyle(int16_t style);
    bool AutoRedraw() const { return autoRedraw_; }
    // Raises 480 when the persistent image cannot be made at the current size.
    void SetAutoRedraw(bool on);
    // Keeps what is drawn as drawing operations played when shown (see
    // RetainedDrawing) instead of an image of the whole box. Asking for the
    // pixels (the surface image, a device context) makes what was drawn so
    // far into an image at one pixel per logical pixel first.
    bool DrawingRetained() const { return retaining_; }
    void SetDrawingRetained(bool on);

    // Prints text at the current position; endLine moves to the start of the
    // next line, otherwise the position moves right past the text.
    void Print(const std::string& text = {}, bool endLine = true);
    void Cls();
    // From (x1, y1) to (x2, y2); a box outlines (and fills by FillStyle) or fills.
    void Line(double x1, double y1, double x2, double y2, std::optional<uint32_t> color = {},
              LineBox box = LineBox::None);
    void PSet(double x, double y, std::optional<uint32_t> color = {});
    // Stretches the picture into the rectangle; a missing size is its natural size.
    void PaintPicture(const PictureSource& picture, double x, double y, double width = kKeep,
                      double height = kKeep);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;
    // The colour at a point of the persistent image, -1 outside it.
    int32_t Point(double x, double y) const;

    std::shared_ptr<PictureSource> Picture() const { return picture_; }
    void SetPicture(std::shared_ptr<PictureSource> picture);

    // The device handle of the persistent image, from the gdi layer's factory.
    int32_t hDC();
    static void SetDeviceContextFactory(DeviceContextFactory factory, DeviceContextRelease release = {});
    QImage& surfaceImage() override;
    void surfaceChanged() override;
    // Largest persistent image in bytes; bigger ones raise 480.
    static void SetImageMemoryLimit(double bytes);

    std::function<void(int16_t button, int16_t shift, float x, float y)> onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onClick, onDblClick, onResize, onPaint;
    // A key pressed while the box has the focus.
    std::function<void(int16_t keyCode, int16_t shift)> onKeyDown;
    // The wheel turned over the box: notches away from the user are positive.
    // Unhandled, the turn goes on to the host.
    std::function<void(double notches, int16_t shift, bool horizontal)> onMouseWheel;

    // Whether the box takes the focus (by click or tab) to receive keys.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);

    // ControlHost
    double twipsPerUnitX() const override;
    double twipsPerUnitY() const override;
    double scaleOriginX() const override { return ScaleLeft(); }
    double scaleOriginY() const override { return ScaleTop(); }
    int innerOffsetPx() const override;
    QWidget* hostWidget() const override { return widget(); }
    double innerWidthTwips() const override { return innerPixelWidth() * 15.0; }
    double innerHeightTwips() const override { return innerPixelHeight() * 15.0; }

    // Called by the native widget.
    // dirty: the part of the widget being painted.
    void nativePaint(QPainter& painter, const QRegion& dirty);
    void nativeMouse(int kind, int16_t button, int16_t shift, double px, double py);
    bool nativeKey(int16_t keyCode, int16_t shift);
    bool nativeWheel(double notches, int16_t shift, bool horizontal);

protected:
    void geometryChanged() override;
    void geometryApplied(bool sizeChanged) override;
    void appearanceChanged() override;
    // A picture box's fore colour is only the colour of what is drawn next:
    // nothing on screen changes, and its children keep their own colours.
    void foreColorChanged() override {}

private:
    void registerMembers();
    int innerPixelWidth() const;
    int innerPixelHeight() const;
    // The pixels of the persistent image, whether it is made or not.
    QRect imageRect() const;
    double unitsPerPixelX() const;
    double unitsPerPixelY() const;
    double toPixelX(double x) const;
    double toPixelY(double y) const;
    static bool imageTooBig(int width, int height);
    void makeImage(int width, int height);
    // The persistent image at the box's size, cleared if a Cls is pending.
    QImage& image() const;
    // The same, for drawing on it.
    QImage& drawingImage();
    void drawn();
    // Draws on the persistent image, or keeps the operation when drawing is
    // retained; an operation that cannot be kept (it refers to what it does
    // not own) goes onto the image.
    void draw(const std::function<void(QPainter&)>& operation, bool keepable = true);
    // What lies beneath retained drawing: the image made so far, else the
    // background and the Picture.
    void paintUnderlay(QPainter& painter) const;

    struct Surface;
    std::unique_ptr<Surface> surface_;
    int16_t scaleMode_ = vb::Twips;
    double userLeft_ = 0, userTop_ = 0, userWidth_ = 1, userHeight_ = 1;
    double currentX_ = 0, currentY_ = 0;
    int16_t drawStyle_ = vb::Solid, drawWidth_ = 1, fillStyle_ = vb::FillTransparent, borderStyle_ = 1;
    uint32_t fillColor_ = 0;
    bool autoRedraw_ = false;
    bool retaining_ = false;
    bool tabStop_ = false;
    std::shared_ptr<PictureSource> picture_;
};

} // namespace kelvppvw
