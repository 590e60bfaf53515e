#pragma once
// The report both previews show: per page a heading, 40 lines of monospaced
// text, a table of 4 columns by 5 rows, a filled rectangle and a footer. Both
// sides draw it from these numbers, in pixels of a 96-dpi page.
#include <array>
#include <string>

namespace sidebyside {

struct Text {
    int x, y;
    std::string text;
};

struct Segment {
    int x1, y1, x2, y2;
};

struct PageContent {
    Text heading;
    Segment headingRule;
    std::array<Text, 40> lines;
    std::array<Segment, 6 + 5> tableRules; // 6 across, 5 down
    std::array<Text, 20> cells;
    Segment filledBox; // left, top, right, bottom
    Text footer;
};

inline PageContent pageContent(int page, int pages, int left, int top)
{
    PageContent c;
    const int right = 740;
    c.heading = {left, top, "Quarterly report, page " + std::to_string(page)};
    c.headingRule = {left, top + 30, right, top + 30};
    int y = top + 40;
    for (int i = 0; i < 40; ++i, y += 15)
        c.lines[std::size_t(i)] = {left, y, "Line " + std::to_string((page - 1) * 40 + i + 1) +
                                                ": the quick brown fox jumps over the lazy dog 0123456789"};
    y += 10;
    const int columns[] = {left, left + 170, left + 340, left + 510, right};
    for (int row = 0; row <= 5; ++row)
        c.tableRules[std::size_t(row)] = {left, y + row * 20, right, y + row * 20};
    for (int col = 0; col < 5; ++col)
        c.tableRules[std::size_t(6 + col)] = {columns[col], y, columns[col], y + 100};
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col)
            c.cells[std::size_t(row * 4 + col)] = {columns[col] + 6, y + row * 20 + 3,
                                                   row == 0 ? "Column " + std::to_string(col + 1)
                                                            : "R" + std::to_string(row) + "C" + std::to_string(col + 1) +
                                                                  " " + std::to_string(page * 100 + row)};
    c.filledBox = {left, y + 115, left + 300, y + 160};
    c.footer = {left, 1040, "Page " + std::to_string(page) + " of " + std::to_string(pages)};
    return c;
}

} // namespace sidebyside
