#pragma once
// A host's print data object for viewer tests: it draws a configurable number
// of pages and lets the test act between them.
#include "host/PrintDataObject.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ClassRegistry.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class ViewerTestReport : public kelvppvw::PrintDataObject {
public:
    static constexpr const char* ClassName = "ViewerTest.Report";

    struct Plan {
        int pages = 12;
        int failAt = 0;           // raise an error on this page
        bool pagesStartOnly = false; // never calls PageAdded
        int escAfter = 0;         // press Esc after this page
        bool leaveLastOpen = false;
        std::function<void(int page)> afterPage; // look at the run between pages
        std::function<void()> pressEsc;
    };
    static Plan& plan() {
        static Plan p;
        return p;
    }
    static void registerClass() {
        kelvppvw::ClassRegistry::instance().registerClass(
            ClassName, [] { return kelvppvw::ObjectRef(std::make_shared<ViewerTestReport>()); });
    }

protected:
    void PrintDataObjText(kelvppvw::Variant&, kelvppvw::Variant& text) override {
        using namespace kelvppvw;
        Dispatch& viewer = *Parent;
        const Plan p = plan();
        int page = 1;
        for (; page <= p.pages && !CannedPT; ++page) {
            if (page == 1 || p.pagesStartOnly) {
                if (page == 1)
                    viewer.callWith("PagesStart", 1, 1, p.pages);
            } else {
                viewer.callWith("PageAdded", page);
            }
            if (page == p.failAt)
                throw AutomationError(5, "the report ran out of data");
            Args none;
            viewer.call("CreateNewEMF", none);
            viewer.callWith("SetNewEMFfont", DrwHwnd, "Liberation Sans", int16_t(12), false, false, false, false);
            viewer.callWith("DrawNewTextMM", DrwHwnd, 40, 40, text.toString() + " " + std::to_string(page));
            // A thick bar at a height of its own tells a printed sheet's page.
            for (int y = 160 + (page - 1) % 5 * 160, end = y + 40; y < end; ++y) {
                viewer.callWith("MoveNewTo", 60.0f, float(y));
                viewer.callWith("LineNewMoveTo", 500, y);
            }
            viewer.callWith("MoveNewTo", 30.0f, 30.0f);
            viewer.callWith("DrawBoxedPoly", 30, 30, 400, 100);
            if (!(p.leaveLastOpen && page == p.pages))
                viewer.call("CloseOnOutEMF", none);
            viewer.callWith("PageFinished", page);
            if (p.afterPage)
                p.afterPage(page);
            if (page == p.escAfter && p.pressEsc)
                p.pressEsc();
        }
        viewer.callWith("PagesComplete", page - 1, 1);
    }
};
