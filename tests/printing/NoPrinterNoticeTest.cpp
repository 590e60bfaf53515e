#include "printing/NoPrinterNotice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvppvw;

namespace {

// Carries the steps out on a text canvas the way a picture box prints: each
// Print writes at (CurrentX, CurrentY) in the fore colour; ending the line
// moves CurrentY one line down (240 twips) and CurrentX back to 0.
struct Canvas {
    struct Ink {
        double x, y;
        int32_t color;
        std::string text;
    };
    int32_t back = -1, fore = 0;
    double x = 0, y = 0;
    std::vector<Ink> inks;
    int clears = 0;

    void run(const std::vector<NoticeStep>& steps) {
        for (const NoticeStep& s : steps) {
            switch (s.kind) {
            case NoticeStep::Kind::Clear: ++clears, x = 0, y = 0, inks.clear(); break;
            case NoticeStep::Kind::BackColor: back = s.color; break;
            case NoticeStep::Kind::ForeColor: fore = s.color; break;
            case NoticeStep::Kind::SetCurrentX: x = s.amount; break;
            case NoticeStep::Kind::MoveCurrentY: y += s.amount; break;
            case NoticeStep::Kind::Print:
                if (!s.text.empty())
                    inks.push_back({x, y, fore, s.text});
                if (s.endLine)
                    x = 0, y += 240;
                break;
            }
        }
    }
};

} // namespace

TEST(NoPrinterNotice, four_engraved_lines_on_the_back_colour_with_gaps_after_the_first_two) {
    Canvas c;
    c.run(NoPrinterNoticeSteps(false, 3, 4, 5));
    EXPECT_EQ(c.clears, 1);
    EXPECT_EQ(c.back, 4);
    ASSERT_EQ(c.inks.size(), 8u);
    const char* texts[] = {" A Printer was not found on your system...",
                           " Before you can print, you need to install a printer.",
                           " To do this, click Start, point to Settings,",
                           " click Printers, and then double-click Add Printer."};
    // A blank line first, gaps after lines 1 and 2; each line's 15-twip raise
    // carries into the lines below it.
    const double rows[] = {240, 705, 1170, 1395};
    for (size_t i = 0; i < 4; ++i) {
        const auto& shadow = c.inks[2 * i];
        const auto& text = c.inks[2 * i + 1];
        EXPECT_EQ(shadow.text, texts[i]);
        EXPECT_EQ(text.text, texts[i]);
        EXPECT_EQ(shadow.color, 3);
        EXPECT_EQ(text.color, 5);
        // The shadow sits 15 twips right and 15 below the text.
        EXPECT_EQ(shadow.x, 15);
        EXPECT_EQ(text.x, 0);
        EXPECT_EQ(shadow.y, rows[i]);
        EXPECT_EQ(text.y, rows[i] - 15);
    }
}

TEST(NoPrinterNotice, with_a_printer_nothing_is_painted) {
    EXPECT_TRUE(NoPrinterNoticeSteps(true, 3, 4, 5).empty());
}
