#pragma once
// Sends recorded pages to the current printer: all of them, the one shown, or
// those selected in the page list. Each page's picture is stretched over the
// printer's printable area as one sheet; a cancel countdown may come first.
#include <cstdint>
#include <functional>
#include <string>

namespace kelvppvw {

class CancelCountdown;
class Form;
class Image;
class ListBox;

// What printing needs from the viewer window.
struct PrintingSite {
    Form* form = nullptr;       // its caption tells what is printing
    Image* imgP = nullptr;      // the picture painted on the printer
    ListBox* lstPage = nullptr; // the page list with the selection
    CancelCountdown* countdown = nullptr;
    // The printable area in twips (mlPrintWidthTw, mlPrintHeightTw).
    std::function<void(std::int32_t& width, std::int32_t& height)> printableArea;
};

class PagePrinting {
public:
    explicit PagePrinting(PrintingSite site);

    void PrintAllPages();
    void PrintShownPage();
    void PrintSelectedPages();

private:
    enum class AfterPage { NextSheet, EndJob, Nothing };
    // One page of a print loop: loaded into imgP and named in the caption,
    // the countdown, the painting and what follows it. False when the user
    // cancelled before page 1, so nothing was painted.
    bool printPage(std::int32_t page, AfterPage after);
    // Paints imgP's picture over the printable area of the current printer.
    void printStep();
    // Kills the job when cancelled, else ends it or starts the next sheet.
    void finishPage(AfterPage after);
    void restoreShownPage(const std::string& caption);

    PrintingSite s_;
};

} // namespace kelvppvw
