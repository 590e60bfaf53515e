#pragma once

#include <cstdint>

namespace kelvppvw {

class frmPrtPreview;

// Arranges the viewer window: toolbars, status bar, the optional page list
// and the page area, in which the page view floats with its shadow, rulers,
// ruler corner and scroll bars. Scrolling moves those windows, never repaints
// the page.
class ViewerLayout {
public:
    explicit ViewerLayout(frmPrtPreview& viewer);

    void Form_Resize();
    void LayoutScrollArea();
    void AlignAfterHorizontalScroll();
    void AlignAfterVerticalScroll();

    void hscPV_Change();
    void hscPV_Scroll();
    void vscPV_Change();
    void vscPV_Scroll();
    void picBack_Resize();
    void picBack_MouseMove(int16_t button, int16_t shift, float x, float y);
    void picBack_MouseDown(int16_t button, int16_t shift, float x, float y);

    // The pointer read-outs and the cross hairs, blanked when the pointer
    // leaves the page or the page moves under it.
    void ClearPointerPanels();
    void HideCrossHairs();

private:
    void alignAfterScroll(bool horizontal);
    void followHorizontalBar();
    void followVerticalBar();
    void placeShadow();
    void placeCorner();

    frmPrtPreview& v;
};

} // namespace kelvppvw
