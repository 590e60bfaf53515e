#pragma once
// What the viewer's toolbars and keys do: the main command bar (printer setup,
// page navigation, the zoom button's face, orientation, close), the page
// list's print button and its Select All / Select None menu.
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace kelvppvw {

class frmPrtPreview;

class ViewerCommands {
public:
    explicit ViewerCommands(frmPrtPreview& viewer);

    // A click on a button of the main bar or of the list's bar, by Key
    // (compared exactly; an unknown key does nothing).
    void tlbr1_ButtonClick(const std::string& key);
    void tlbr2_ButtonClick(const std::string& key);
    void tlbr2_ButtonMenuClick(const std::string& key);

    // Whether a click on the button or menu entry with this key does anything:
    // no control may look enabled and do nothing.
    bool handles(const std::string& key) const;

    // What every desktop preview does beyond the buttons. With the page area
    // under the pointer the wheel scrolls (Shift: sideways) and Ctrl+wheel
    // steps the zoom like the zoom button. Keys the focused control does not
    // use itself (the page area uses none): Page Up/Down and Home/End move
    // through the pages, the arrows scroll.
    void pageAreaWheel(double notches, int16_t shift, bool horizontal);
    void viewerKey(int16_t keyCode, int16_t shift);

private:
    void selPages();
    void printSetup();
    void printerOptions();
    void zoomFace();
    void orientation(int32_t value);
    void redrawAtZoom();
    void hideRulers();
    void printSelected();
    void selectAll(bool select);

    frmPrtPreview& v;
    std::map<std::string, std::function<void()>, std::less<>> mainBar_;
};

} // namespace kelvppvw
