#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kelvppvw {

class frmPrtPreview;

// The options command and the viewer's side of the options dialog: the
// dialog edits the viewer's settings table in place, and the viewer takes the
// new options over when the user presses Apply and again once the dialog has
// closed.
class ViewerOptions {
public:
    explicit ViewerOptions(frmPrtPreview& viewer);

    // Shows the dialog, then applies the options. Every failing statement is
    // reported in an error box and the command goes on.
    void mnuZxxm_Click();
    // The dialog asks for its owner window: the viewer, whatever the request.
    void mc_ppvos_RequestData(const std::string& sWantThis);
    // Apply was pressed: rulers, corner, cross-hair colour, stored ruler keys,
    // pointer and colours, then the page is rendered again. Ends silently at
    // the first failure.
    void mc_ppvos_NewOptionsApplied();

private:
    // The statements of step n (1 to 9) of taking over new options.
    std::vector<std::function<void()>> newOptionsStep(int n);

    frmPrtPreview& v;
};

} // namespace kelvppvw
