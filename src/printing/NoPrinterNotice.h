#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvppvw {

// One drawing step of the notice, to be carried out on the page background
// picture box in its own scale units (twips).
struct NoticeStep {
    enum class Kind {
        Clear,          // Cls
        BackColor,      // BackColor = color
        ForeColor,      // ForeColor = color
        SetCurrentX,    // CurrentX = amount
        MoveCurrentY,   // CurrentY = CurrentY + amount
        Print,          // Print text; endLine false keeps the position after it
    };
    Kind kind;
    int32_t color = 0;
    double amount = 0;
    std::string text;
    bool endLine = true;

    bool operator==(const NoticeStep&) const = default;
};

// The four-line "no printer" notice with its engraved look: each line is
// printed once offset in the shadow colour and once in the text colour over
// it. Nothing when a printer was found.
std::vector<NoticeStep> NoPrinterNoticeSteps(bool printerFound, int32_t shadowColor, int32_t backColor,
                                             int32_t textColor);

} // namespace kelvppvw
