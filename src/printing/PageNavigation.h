#pragma once
// The current page. Every page change goes through the page list: selecting
// item i makes page i+1 current, loads its file and renders it. The four
// navigation buttons, the jump box and the position text follow from there.
#include <cstdint>
#include <string>

namespace kelvppvw {

class frmPrtPreview;

class PageNavigation {
public:
    explicit PageNavigation(frmPrtPreview& viewer);

    // Selects the page through the list (when it has items), then sets the buttons.
    void GoToPage(int32_t lPage);
    void UpdateNavButtons(int32_t lPage);
    void lstPage_Click();
    // Finds the first item that starts with the typed page number.
    void txtJump_Change();

private:
    frmPrtPreview& v;
};

// Which of the navigation buttons a page allows: back is First and Prev,
// forward is Next and Last. A one-page document allows neither.
struct NavButtonState {
    bool back = false, forward = false;
    bool operator==(const NavButtonState&) const = default;
};
NavButtonState NavButtonsFor(int32_t page, int32_t highPage);

// The status bar's position text: "Page 3 of 12", numbers not padded.
std::string PagePositionText(const std::string& pageWord, int32_t page, int32_t highPage);

} // namespace kelvppvw
