#pragma once

#include <cstdint>
#include <functional>

namespace kelvppvw {

class ButtonMenu;
class PictureBox;
class frmPrtPreview;

// Turns the current page into what the user sees: sizes the page view from
// the printer's page and the zoom state, paints the recorded page into its
// printable area, outlines that area, places the shadow and hands the page to
// the rulers. Also the zoom and scale menus, the zoom display and the refresh
// after a printer change.
class PageRenderer {
public:
    explicit PageRenderer(frmPrtPreview& viewer);

    void RenderPreviewPage(PictureBox& pic, int16_t& zoomMode, bool showRulers, bool relayout, bool reloadFirst);
    void UpdateZoomDisplay();
    void ApplyRulerScale();
    void RefreshPreviewer();
    // Reads the current printer's metrics into the viewer's page geometry.
    void ReadPrinterMetrics();
    // The page view's pointer for the zoom state and the zoom-menu switch.
    void setPageViewCursor();

    void tlbr1_ButtonMenuClick(ButtonMenu& entry);
    void mnuZoom_Click(int16_t index);
    void mnuIM_Click(int16_t index);

    // A step that keeps failing for want of a persistent image is retried at
    // most this often, each time 0.1 further zoomed out.
    static constexpr int MaxImageRetries = 200;

private:
    void renderAgain();
    void centrePageView();
    // Runs one rendering step; a missing persistent image zooms out and retries.
    void renderStep(const std::function<void()>& step);

    frmPrtPreview& v;
};

} // namespace kelvppvw
