#include "SampleReport.h"

#include <string>

using namespace kelvppvw;

void SampleReport::registerClass() {
    ClassRegistry::instance().registerClass(ClassName, [] { return ObjectRef(std::make_shared<SampleReport>()); });
}

void SampleReport::PrintDataObjText(Variant& surface, Variant& text) {
    (void)surface;
    if (!Parent)
        throw AutomationError(91);
    Dispatch& viewer = *Parent;
    const std::string title = text.toString().empty() ? std::string("Sample report") : text.toString();
    for (int page = 1; page <= pages && !CannedPT; ++page) {
        if (page == 1)
            viewer.callWith("PagesStart", 1, 1, pages);
        else
            viewer.callWith("PageAdded", page);
        drawPage(viewer, page, title);
        viewer.callWith("PageFinished", page);
    }
    viewer.callWith("PagesComplete", pages, 1);
}

void SampleReport::drawPage(Dispatch& viewer, int page, const std::string& title) {
    Args none;
    viewer.call("CreateNewEMF", none);
    const int32_t dc = DrwHwnd; // set by CreateNewEMF
    // Coordinates are pixels of the 96-dpi reference surface; margins come in twips.
    const int32_t left = MarginLeft / 15 + 10, top = MarginTop / 15 + 10, right = 760;

    viewer.callWith("LetBackMode", 1);
    viewer.callWith("SetNewEMFfont", dc, "Liberation Sans", int16_t(16), true, false, false, false);
    viewer.callWith("DrawNewTextMM", dc, left, top, title);
    viewer.callWith("SetNewPen", 0, 0x00804000);
    viewer.callWith("MoveNewTo", float(left), float(top + 30));
    viewer.callWith("LineNewMoveTo", right, top + 30);

    viewer.callWith("SetNewEMFfont", dc, "Courier New", int16_t(10), false, false, false, false);
    int32_t y = top + 45;
    for (int line = 1; line <= 20; ++line, y += 16)
        viewer.callWith("DrawNewTextMM", dc, left, y,
                        "Line " + std::to_string((page - 1) * 20 + line) + ": the quick brown fox jumps over the lazy dog");

    // A boxed table of three columns.
    y += 10;
    const int32_t columns[] = {left, left + 220, left + 440, right};
    viewer.callWith("SetNewPen", 0, 0);
    for (int row = 0; row <= 5; ++row) {
        viewer.callWith("MoveNewTo", float(left), float(y + row * 22));
        viewer.callWith("LineNewMoveTo", right, y + row * 22);
    }
    for (int32_t x : columns) {
        viewer.callWith("MoveNewTo", float(x), float(y));
        viewer.callWith("LineNewMoveTo", x, y + 5 * 22);
    }
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
            viewer.callWith("DrawNewTextMM", dc, columns[col] + 6, y + row * 22 + 4,
                            row == 0 ? std::string(col == 0 ? "Item" : col == 1 ? "Quantity" : "Amount")
                                     : "R" + std::to_string(row) + "C" + std::to_string(col + 1));
    viewer.callWith("MoveNewTo", float(left - 4), float(top - 4));
    viewer.callWith("DrawBoxedPoly", left - 4, top - 4, right + 4, y + 5 * 22 + 30);

    if (AreGraphics)
        viewer.callWith("DrawGraphics", true);

    viewer.callWith("SetNewEMFfont", dc, "Liberation Sans", int16_t(9), false, true, false, false);
    viewer.callWith("DrawNewTextMM", dc, left, 1000,
                    "Page " + std::to_string(page) + " of " + std::to_string(pages));
    viewer.call("CloseOnOutEMF", none);
}
