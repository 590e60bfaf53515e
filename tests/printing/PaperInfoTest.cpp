#include "platform/printer/Printer.h"
#include "printing/PaperInfo.h"
#include "printing/PaperNames.h"
#include "printing/PrinterMetrics.h"

#include "platform/printer/PdfOutput.h"

#include <gtest/gtest.h>

#include <set>

using namespace kelvppvw;

TEST(PaperNames, the_41_codes_have_their_names_and_no_other_code_has_one) {
    const char* expected[] = {
        "Letter, 8 1/2 x 11 in.",
        "Letter Small, 8 1/2 x 11 in.",
        "Tabloid, 11 x 17 in.",
        "Ledger, 17 x 11 in.",
        "Legal, 8 1/2 x 14 in.",
        "Statement, 5 1/2 x 8 1/2 in.",
        "Executive, 7 1/2 x 10 1/2 in.",
        "A3, 297 x 420 mm",
        "A4, 210 x 297 mm",
        "A4 Small, 210 x 297 mm",
        "A5, 148 x 210 mm",
        "B4, 250 x 354 mm",
        "B5, 182 x 257 mm",
        "Folio, 8 1/2 x 13 in.",
        "Quarto, 215 x 275 mm",
        "10 x 14 in.",
        "11 x 17 in.",
        "Note, 8 1/2 x 11 in.",
        "Envelope #9, 3 7/8 x 8 7/8 in.",
        "Envelope #10, 4 1/8 x 9 1/2 in.",
        "Envelope #11, 4 1/2 x 10 3/8 in.",
        "Envelope #12, 4 1/2 x 11 in.",
        "Envelope #14, 5 x 11 1/2 in.",
        "C size sheet",
        "D size sheet",
        "E size sheet",
        "Envelope DL, 110 x 220 mm",
        "Envelope C5, 162 x 229 mm",
        "Envelope C3, 324 x 458 mm",
        "Envelope C4, 229 x 324 mm",
        "Envelope C6, 114 x 162 mm",
        "Envelope C65, 114 x 229 mm",
        "Envelope B4, 250 x 353 mm",
        "Envelope B5, 176 x 250 mm",
        "Envelope B6, 176 x 125 mm",
        "Envelope, 110 x 230 mm",
        "Envelope Monarch, 3 7/8 x 7 1/2 in.",
        "Envelope, 3 5/8 x 6 1/2 in.",
        "U.S. Standard Fanfold, 14 7/8 x 11 in.",
        "German Standard Fanfold, 8 1/2 x 12 in.",
        "German Legal Fanfold, 8 1/2 x 13 in.",
    };
    static_assert(std::size(expected) == 41);
    for (int code = 1; code <= 41; ++code)
        EXPECT_EQ(PaperSizeName(code), expected[code - 1]) << code;
    for (int code : {-1, 0, 42, 70, 256, 32767})
        EXPECT_EQ(PaperSizeName(code), "") << code;
}

TEST(PaperPanel, named_papers_show_their_name) {
    EXPECT_EQ(PaperPanelText(9, 11906, 16838), "Paper  - Papersize (A4, 210 x 297 mm)");
    EXPECT_EQ(PaperPanelText(41, 0, 0), "Paper  - Papersize (German Legal Fanfold, 8 1/2 x 13 in.)");
}

TEST(PaperPanel, codes_beyond_the_table_show_millimetres_and_inches_alike) {
    // A6 is code 70 to the printer; 256 is the code of a size with no code.
    const std::string a6 = "Paper  - User-defined (105 x 148mm) - [4 9/64 x 5 53/64 in.]";
    EXPECT_EQ(PaperPanelText(70, 5953, 8391), a6);
    EXPECT_EQ(PaperPanelText(256, 5953, 8391), a6);
    EXPECT_EQ(PaperPanelText(256, 12240, 15840), "Paper  - User-defined (216 x 279mm) - [8 1/2 x 11 in.]");
    EXPECT_EQ(PaperPanelText(0, 11906, 16838), "Paper  - User-defined (210 x 297mm) - [8 9/32 x 11 45/64 in.]");
}

TEST(PaperPanel, twips_become_whole_millimetres_and_inches) {
    EXPECT_EQ(TwipsToMillimetres(1440), 25);  // 25.4
    EXPECT_EQ(TwipsToMillimetres(2880), 51);  // 50.8
    EXPECT_EQ(TwipsToMillimetres(11906), 210);
    EXPECT_DOUBLE_EQ(TwipsToInches(2160), 1.5);
}

TEST(PrintQuality, codes_have_words_and_everything_else_shows_the_resolution) {
    PrinterMetrics m;
    m.mlDpiX = 300;
    m.mlDpiY = 600;
    EXPECT_EQ(PrintQualityText(-1, m), "DRAFT");
    EXPECT_EQ(PrintQualityText(-2, m), "LOW");
    EXPECT_EQ(PrintQualityText(-3, m), "MEDIUM");
    EXPECT_EQ(PrintQualityText(-4, m), "HIGH");
    // A resolution shows what the device metrics say, not the number set.
    EXPECT_EQ(PrintQualityText(1200, m), "300x600");
    EXPECT_EQ(PrintQualityText(0, m), "300x600");
    EXPECT_EQ(PrintQualityText(-5, m), "300x600");
    EXPECT_EQ(PrinterResolutionText(m), "300x600");
}

TEST(ShowPaperInfo, without_a_printer_only_the_paper_panel_says_paper) {
    PrinterMetrics m;
    const PaperInfoTexts t = ShowPaperInfo(false, nullptr, m);
    EXPECT_EQ(t.paperPanel, "Paper");
    EXPECT_FALSE(t.qualityPanel);
    EXPECT_FALSE(t.qualityToolTip);
}

TEST(ShowPaperInfo, a_real_printer_shows_its_paper_and_quality) {
    ASSERT_TRUE(print_test::queueInstalled());
    const auto printer = Printer::open(print_test::testQueue());
    printer->setPaperSize(9);
    printer->setPrintQuality(300);
    PrinterMetrics m;
    ReadPrinterMetrics(m, printer.get());
    PaperInfoTexts t = ShowPaperInfo(true, printer.get(), m);
    EXPECT_EQ(t.paperPanel, "Paper  - Papersize (A4, 210 x 297 mm)");
    EXPECT_EQ(t.qualityPanel, "300x300");
    EXPECT_EQ(t.qualityToolTip, "Print Quality");

    printer->setPaperSize(70);
    printer->setOrientation(Printer::Landscape);
    printer->setPrintQuality(Printer::QualityDraft);
    t = ShowPaperInfo(true, printer.get(), m);
    EXPECT_EQ(t.paperPanel, "Paper  - User-defined (148 x 105mm) - [5 53/64 x 4 9/64 in.]");
    EXPECT_EQ(t.qualityPanel, "DRAFT");
}
