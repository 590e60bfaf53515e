#pragma once
// The viewer's life from creation to destruction: loading its settings,
// toolbars, printer and run stamp; the page-list status around production;
// saving and cleaning up when it closes.
#include <cstdint>
#include <string>

namespace kelvppvw {

class frmPrtPreview;

class ViewerStartup {
public:
    explicit ViewerStartup(frmPrtPreview& viewer);

    // The pictures the window carries from its design: toolbar images under
    // their button keys in both lists, the no-printer image, animation frames.
    void LoadResourceImages();

    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();
    void Form_Unload();

    void ShowFirstPage();
    void ShowNoPrinterNotice();
    void ResetPageStatus();
    void AddATab();

    // The string-table text of an id.
    static std::string ResText(int id);
    // "<component folder>/preview.ini".
    static std::string PreviewIni();

private:
    void attachToolbarImages();
    void detachToolbarImages();
    void checkPrinter();
    void setPageViewCursor();

    frmPrtPreview& v_;
};

// The common controls the viewer uses are ready (the toolkit's own set-up;
// dwICC names the control classes, all of which Qt provides).
void InitCommonControlsVersion(std::int32_t dwICC);

// A page number in the list: zero-padded to the width of the largest page
// (mode 0 and any mode but 1), or zero-filled on the right (mode 1).
std::string PadPageNumber(std::uint8_t mode, const std::string& number, std::int32_t highPage);

} // namespace kelvppvw
