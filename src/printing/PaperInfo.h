#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvppvw {

class Printer;
struct PrinterMetrics;

// The status-bar texts about the printer: panel 2 (paper) and panel 7 (print
// quality, with its tool tip). Without a printer only the paper panel is set.
struct PaperInfoTexts {
    std::string paperPanel;
    std::optional<std::string> qualityPanel;
    std::optional<std::string> qualityToolTip;
};

// "DRAFT", "LOW", "MEDIUM", "HIGH" for the codes -1..-4; the resolution text
// of the metrics for anything else (a positive resolution too).
std::string PrintQualityText(int32_t quality, const PrinterMetrics& metrics);

// Twips to whole millimetres (halves to even) and to inches.
int32_t TwipsToMillimetres(double twips);
double TwipsToInches(double twips);

// The paper panel: "Paper  - Papersize (<name>)" for the codes 1..41, else
// "Paper  - User-defined (<w> x <h>mm) - [<w in> x <h in> in.]" from the
// sheet's size in twips.
std::string PaperPanelText(int32_t paperCode, int32_t widthTwips, int32_t heightTwips);

// Both panels for the printer (nullptr or printerFound false: "Paper" alone).
// A printer query that fails leaves the text it would have fed.
PaperInfoTexts ShowPaperInfo(bool printerFound, Printer* printer, const PrinterMetrics& metrics);

} // namespace kelvppvw
