#pragma once

#include "platform/automation/DispatchObject.h"

#include <cstdint>
#include <memory>
#include <string>

class QPainter;
class QWidget;

namespace kelvppvw {

class ControlHost;
class PictureSource;
class StdFont;

namespace vb {
// MousePointer values.
inline constexpr int16_t Default = 0;
inline constexpr int16_t Arrow = 1;
inline constexpr int16_t Cross = 2;
inline constexpr int16_t IBeam = 3;
inline constexpr int16_t SizeNS = 7;
inline constexpr int16_t SizeWE = 9;
inline constexpr int16_t Hourglass = 11;
inline constexpr int16_t NoDrop = 12;
inline constexpr int16_t SizeAll = 15;
inline constexpr int16_t Custom = 99;
// Mouse buttons and shift state of mouse and key events.
inline constexpr int16_t LeftButton = 1;
inline constexpr int16_t RightButton = 2;
inline constexpr int16_t MiddleButton = 4;
inline constexpr int16_t ShiftMask = 1;
inline constexpr int16_t CtrlMask = 2;
inline constexpr int16_t AltMask = 4;
} // namespace vb

// A child control placed in twips (15 per screen pixel) inside its host's
// inner area. Windowed controls own a native widget; windowless ones (Image,
// Shape, Line) are painted by their host above its own drawing and below the
// child windows. Geometry values are kept exactly as set and shown at the
// nearest pixel.
class Control : public DispatchObject {
public:
    static constexpr double TwipsPerPixel = 15.0;

    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    // Position in a control array, -1 when the control is not in one.
    int16_t Index() const { return index_; }
    ControlHost* Container() const { return host_; }

    // In the host's scale units.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double v);
    void SetTop(double v);
    void SetWidth(double v);
    void SetHeight(double v);
    // Missing sizes (NaN) keep the current one.
    void Move(double left, double top, double width = kKeep, double height = kKeep);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t color);
    uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(uint32_t color);

    std::shared_ptr<StdFont> Font() const { return font_; }
    // Copies the description (the Parts assign fonts by value).
    void SetFont(const StdFont& font);
    std::string FontName() const;
    void SetFontName(const std::string& name);
    double FontSize() const;
    void SetFontSize(double points);
    bool FontBold() const;
    void SetFontBold(bool on);
    bool FontItalic() const;
    void SetFontItalic(bool on);
    bool FontUnderline() const;
    void SetFontUnderline(bool on);
    bool FontStrikethru() const;
    void SetFontStrikethru(bool on);

    std::string ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& text);
    std::string Tag() const { return tag_; }
    void SetTag(const std::string& tag) { tag_ = tag; }

    int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(int16_t pointer);
    std::shared_ptr<PictureSource> MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(std::shared_ptr<PictureSource> icon);

    // 0 none, 1 along the top of the host, 2 along the bottom, full width.
    int16_t Align() const { return align_; }
    void SetAlign(int16_t align);
    // For ControlHost: the aligned place in twips, and the height in twips.
    void placeAligned(double leftTw, double topTw, double widthTw);
    double heightTwips() const { return heightTw_; }

    // Repaints now.
    virtual void Refresh();
    // 0 brings the control to the front of its siblings, 1 sends it back.
    void ZOrder(int16_t position = 0);
    // Gives the control the keyboard focus; raises 5 when it cannot take it
    // (windowless, hidden or disabled).
    void SetFocus();

    // For forms/ and tests: the native widget (null for windowless controls).
    QWidget* widget() const;
    bool isWindowless() const { return windowless_; }
    // Pixel rectangle inside the host's widget.
    void pixelRect(int& x, int& y, int& w, int& h) const;
    // Called by ControlHost.
    void attach(ControlHost* host, std::string name, int16_t index);
    void applyGeometry();
    void reparentNative();
    // A bordered host shows its child windows inside the border only.
    void clipToHost();
    virtual void paintWindowless(QPainter& painter) const { (void)painter; }

    static constexpr double kKeep = -1.0e308;

protected:
    Control();
    // The windowed control's widget; the control owns it.
    void setWidget(QWidget* widget);
    void setWindowless() { windowless_ = true; }
    // Before the native widget moves; may throw to refuse the new geometry.
    virtual void geometryChanged() {}
    // After the native widget moved.
    virtual void geometryApplied(bool sizeChanged) { (void)sizeChanged; }
    virtual void appearanceChanged();
    // The fore colour styles the widget (and, through its palette, its children).
    virtual void foreColorChanged() { appearanceChanged(); }
    virtual void enabledChanged();
    // Repaints what a shown windowless control covers.
    virtual void repaintWindowless() const;
    template <class W>
    W* native() const {
        return static_cast<W*>(widget());
    }
    // Host scale <-> twips.
    double toTwipsX(double v) const;
    double toTwipsY(double v) const;
    double fromTwipsX(double twips) const;
    double fromTwipsY(double twips) const;
    double sizeToTwipsX(double v) const;
    double sizeToTwipsY(double v) const;
    double sizeFromTwipsX(double twips) const;
    double sizeFromTwipsY(double twips) const;
    // Geometry in twips relative to the host's inner area.
    double leftTw() const { return leftTw_; }
    double topTw() const { return topTw_; }
    double widthTw() const { return widthTw_; }
    double heightTw() const { return heightTw_; }
    void setTwips(double left, double top, double width, double height);

private:
    void registerMembers();
    void applyCursor();

    struct Native;
    std::unique_ptr<Native> native_;
    ControlHost* host_ = nullptr;
    std::string name_;
    int16_t index_ = -1;
    bool windowless_ = false;
    double leftTw_ = 0, topTw_ = 0, widthTw_ = 1215, heightTw_ = 495;
    bool visible_ = true, enabled_ = true;
    uint32_t backColor_ = 0x8000000Fu, foreColor_ = 0x80000012u;
    std::shared_ptr<StdFont> font_;
    std::string toolTip_, tag_;
    int16_t mousePointer_ = 0;
    int16_t align_ = 0;
    std::shared_ptr<PictureSource> mouseIcon_;
};

} // namespace kelvppvw
