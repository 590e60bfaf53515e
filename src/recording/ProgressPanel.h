#pragma once
// The progress panel production paints on picBack: the page count and, past
// 500 pages, the warnings. A host can add pages far faster than a screen
// shows them, so the panel paints at most once per frame interval; a page it
// holds back is painted by the next page that is due, or by flush() when the
// host returns, so the count it ends with is exact.
#include "settings/ViewerSettings.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvppvw {

class PictureBox;

// Texts the progress panel shows, by string-table number.
struct ProgressTexts {
    std::string excessivePreview; // 105
    std::string numberOfPages;    // 106
    std::string pageTooSmall;     // 108
    std::string toStop;           // 117
};

// The lines of the progress panel for a page, from the top; "" is an empty
// line. physicalWidth/Height are the printer's sheet in printer pixels.
std::vector<std::string> ProgressPanelLines(std::int32_t page, std::int32_t physicalWidth,
                                            std::int32_t physicalHeight, const ProgressTexts& texts);

class ProgressPanel {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration FrameInterval = std::chrono::milliseconds(16);

    struct Site {
        PictureBox* panel = nullptr;
        const ViewerSettings* settings = nullptr;
        std::function<void(std::int32_t& width, std::int32_t& height)> physicalPageSize;
        std::function<ProgressTexts()> texts;
        std::function<Clock::time_point()> now = [] { return Clock::now(); };
    };

    explicit ProgressPanel(Site site);

    // Paints the page now when a frame interval has passed since the last
    // paint; holds it back otherwise.
    void pageAdded(std::int32_t page);
    // Paints the page held back, if any.
    void flush();
    // The panel was cleared: a page held back is no longer shown.
    void cleared();

    std::int32_t shownPage() const { return shown_; } // 0 when none or cleared
    int paints() const { return paints_; }

private:
    void paint(std::int32_t page);

    Site site_;
    std::int32_t held_ = 0;
    std::int32_t shown_ = 0;
    int paints_ = 0;
    bool painted_ = false;
    Clock::time_point last_;
};

} // namespace kelvppvw
