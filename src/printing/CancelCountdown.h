#pragma once
// The panel that stands over the page view before each printed page: what is
// about to print, a small animation, the milliseconds left and a Cancel
// button. Its waiting keeps every window live.
#include "platform/forms/ControlArray.h"

#include <cstdint>
#include <string>

namespace kelvppvw {

class CommandButton;
class Image;
class Label;
class PictureBox;
class Timer;

// Set by Cancel, polled by the print loops.
extern bool gPrintCancelled;
// Next animation frame, 0..4.
extern std::int16_t gMovieFrame;

// The viewer's controls the countdown works with.
struct CountdownPanel {
    PictureBox* picBack = nullptr;
    PictureBox* picCan = nullptr;
    CommandButton* cmdCanlP = nullptr;
    ControlArray<Label>* lblCP = nullptr;
    Image* imgMov = nullptr;
    ControlArray<Image>* imgPrt = nullptr;
    Timer* tmrCntD = nullptr;
    Timer* tmrMovie = nullptr;
};

class CancelCountdown {
public:
    // Connects the two timers and the Cancel button to their handlers and
    // parks the panel out of sight.
    explicit CancelCountdown(CountdownPanel panel);

    void StartCancelCountdown();
    void EndCancelCountdown();
    // Runs the countdown before page `page` and returns when it reaches
    // zero or Cancel is clicked; returns at once when no countdown is set.
    void WaitBeforePage(std::int32_t page);

    void tmrCntD_Timer();
    void tmrMovie_Timer();
    void cmdCanlP_Click();

    // Where the panel waits while no countdown runs.
    static constexpr double ParkedTop = -10000;

private:
    void drawRaisedFrame();

    CountdownPanel p_;
};

// " Page 3": the word from the string table and the number, with a leading
// blank, as the panel and the caption show a page.
std::string PageLine(std::int32_t page);

} // namespace kelvppvw
