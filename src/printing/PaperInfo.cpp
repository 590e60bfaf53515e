#include "printing/PaperInfo.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/automation/Variant.h"
#include "platform/printer/Printer.h"
#include "printing/InchFraction.h"
#include "printing/PaperNames.h"
#include "printing/PrinterMetrics.h"
#include "printing/PrinterTexts.h"

namespace kelvppvw {

std::string PrintQualityText(int32_t quality, const PrinterMetrics& metrics) {
    switch (quality) {
    case -1: return "DRAFT";
    case -2: return "LOW";
    case -3: return "MEDIUM";
    case -4: return "HIGH";
    default: return PrinterResolutionText(metrics);
    }
}

int32_t TwipsToMillimetres(double twips) { return static_cast<int32_t>(roundHalfEven(twips * 25.4 / 1440.0)); }

double TwipsToInches(double twips) { return twips / 1440.0; }

std::string PaperPanelText(int32_t paperCode, int32_t widthTwips, int32_t heightTwips) {
    const std::string name = PaperSizeName(paperCode);
    if (!name.empty())
        return std::string("Paper") + "  - " + printer_texts::PaperSizeWord() + " (" + name + ")";
    const std::string mm =
        std::to_string(TwipsToMillimetres(widthTwips)) + " x " + std::to_string(TwipsToMillimetres(heightTwips)) + "mm";
    const std::string inches =
        InchText(TwipsToInches(widthTwips)) + " x " + InchText(TwipsToInches(heightTwips)) + " in.";
    return std::string("Paper") + "  - " + printer_texts::UserDefined() + " (" + mm + ")" + " - [" + inches + "]";
}

PaperInfoTexts ShowPaperInfo(bool printerFound, Printer* printer, const PrinterMetrics& metrics) {
    PaperInfoTexts out;
    if (!printerFound || !printer) {
        out.paperPanel = "Paper";
        return out;
    }
    ResumeNext next;
    next([&] {
        out.qualityToolTip = printer_texts::PrintQualityTip();
        out.qualityPanel = PrintQualityText(printer->printQuality(), metrics);
    });
    next([&] { out.paperPanel = PaperPanelText(printer->paperSize(), printer->width(), printer->height()); });
    return out;
}

} // namespace kelvppvw
