#pragma once

#include <cstdint>

namespace kelvppvw {

class frmPrtPreview;

// The page view under the mouse: a click zooms one step in or out and keeps
// the clicked point where it was in the scrolled area, Shift with the right
// button goes back to the automatic zoom, other modifier clicks open the zoom
// menu; a move draws the cross hairs and moves the ruler markers. A move
// only touches the two lines, the markers and the position panels: the page
// picture is never painted again for it.
class PageViewMouse {
public:
    explicit PageViewMouse(frmPrtPreview& viewer);

    void picPreView_MouseDown(int16_t button, int16_t shift, float x, float y);
    void picPreView_MouseMove(int16_t button, int16_t shift, float x, float y);
    void stbr1_MouseDown(int16_t button, int16_t shift, float x, float y);

private:
    void zoomAtPoint(float x, float y);
    void popupZoomMenu();

    frmPrtPreview& v;
};

} // namespace kelvppvw
