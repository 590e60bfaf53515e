#pragma once

#include <cstdint>
#include <functional>

namespace kelvppvw {

// Steps of the viewer that live with page production, page files, the
// printer notice and the ruler options. Rendering and layout call them
// through here; a step nobody installed does nothing.
struct ViewerSeams {
    // Produces every page, shows page 1 and sets mbPagesProduced.
    std::function<void()> producePages;
    // Loads page 1 into imgP again.
    std::function<void()> showFirstPage;
    // Paints (or clears) the no-printer notice on picBack.
    std::function<void()> showNoPrinterNotice;
    // Reads the ruler keys back after the options dialog.
    std::function<void()> loadRulerSettings;
    // Paints the viewer's own controls in the configured colours.
    std::function<void()> applyViewerColors;
    // The number of recorded pages (glHighPage).
    std::function<int32_t()> pageCount;

    static void run(const std::function<void()>& step) {
        if (step)
            step();
    }
};

} // namespace kelvppvw
