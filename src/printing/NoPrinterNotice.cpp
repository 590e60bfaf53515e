#include "printing/NoPrinterNotice.h"

#include "printing/PrinterTexts.h"

namespace kelvppvw {

std::vector<NoticeStep> NoPrinterNoticeSteps(bool printerFound, int32_t shadowColor, int32_t backColor,
                                             int32_t textColor) {
    using K = NoticeStep::Kind;
    std::vector<NoticeStep> steps;
    if (printerFound)
        return steps;
    const auto print = [&](std::string text, bool endLine) {
        steps.push_back({K::Print, 0, 0, std::move(text), endLine});
    };
    const auto color = [&](K kind, int32_t value) { steps.push_back({kind, value, 0, {}, true}); };
    const auto move = [&](K kind, double amount) { steps.push_back({kind, 0, amount, {}, true}); };
    steps.push_back({K::Clear, 0, 0, {}, true});
    color(K::BackColor, backColor);
    print("", true);
    const std::string lines[] = {
        std::string(" ") + printer_texts::NoPrinterFound() + "...",
        std::string(" ") + printer_texts::InstallFirst(),
        std::string(" ") + printer_texts::AddPrinterStep1(),
        std::string(" ") + printer_texts::AddPrinterStep2(),
    };
    for (int i = 0; i < 4; ++i) {
        color(K::ForeColor, shadowColor);
        move(K::SetCurrentX, 15);
        print(lines[i], false);
        color(K::ForeColor, textColor);
        move(K::SetCurrentX, 0);
        move(K::MoveCurrentY, -15);
        print(lines[i], true);
        if (i < 2)
            print("", true);
    }
    return steps;
}

} // namespace kelvppvw
