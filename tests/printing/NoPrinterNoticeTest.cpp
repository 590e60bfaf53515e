#include "printing/NoPrinterNotice.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace kelvppvw;

TEST(NoPrinterNotice, four_lines_each_in_the_shadow_colour_then_the_text_colour_on_a_cleared_back) {
    EXPECT_TRUE(NoPrinterNoticeSteps(true, 3, 4, 5).empty());

    const std::vector<NoticeStep> steps = NoPrinterNoticeSteps(false, 3, 4, 5);
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0].kind, NoticeStep::Kind::Clear);
    EXPECT_TRUE(steps[1].kind == NoticeStep::Kind::BackColor && steps[1].color == 4);
    // What is printed, in the fore colour of the moment.
    std::vector<std::pair<int32_t, std::string>> printed;
    int32_t fore = -1;
    for (const NoticeStep& s : steps)
        if (s.kind == NoticeStep::Kind::ForeColor)
            fore = s.color;
        else if (s.kind == NoticeStep::Kind::Print && !s.text.empty())
            printed.emplace_back(fore, s.text);
    std::vector<std::pair<int32_t, std::string>> expected;
    for (const char* line : {" A Printer was not found on your system...",
                             " Before you can print, you need to install a printer.",
                             " To do this, click Start, point to Settings,",
                             " click Printers, and then double-click Add Printer."})
        expected.insert(expected.end(), {{3, line}, {5, line}});
    EXPECT_EQ(printed, expected);
}
