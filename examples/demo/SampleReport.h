#pragma once

#include <kelvppvw/kelvppvw.h>

// A host's print data object: a short multi-page report with a header, body
// lines, a boxed table and a page footer, drawn through the viewer it gets
// as Parent.
class SampleReport : public kelvppvw::PrintDataObject {
public:
    static constexpr const char* ClassName = "KelvDemo.Report";
    static void registerClass();

    int pages = 3;

protected:
    void PrintDataObjText(kelvppvw::Variant& surface, kelvppvw::Variant& text) override;

private:
    void drawPage(kelvppvw::Dispatch& viewer, int page, const std::string& title);
};
