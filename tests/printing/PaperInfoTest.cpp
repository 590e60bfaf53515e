#include "platform/printer/Printer.h"
#include "printing/PaperInfo.h"
#include "printing/PaperNames.h"
#include "printing/PrinterMetrics.h"

#include "platform/printer/PdfOutput.h"

#include <gtest/gtest.h>


using namespace kelvppvw;

TEST(PaperPanel, named_papers_show_their_name) {
    EXPECT_EQ(PaperPanelText(9, 11906, 16838), "Paper  - Papersize (A4, 210 x 297 mm)");
    EXPECT_EQ(PaperPanelText(41, 0, 0), "Paper  - Papersize (German Legal Fanfold, 8 1/2 x 13 in.)");
    for (int code : {-1, 0, 42, 256, 32767})
        EXPECT_EQ(PaperSizeName(code), "") << code;
}

TEST(PaperPanel, codes_beyond_the_table_show_millimetres_and_inches_alike) {
    // A6 is code 70 to the printer; 256 is the code of a size with no code.
    const std::string a6 = "Paper  - User-defined (105 x 148mm) - [4 9/64 x 5 53/64 in.]";
    EXPECT_EQ(PaperPanelText(70, 5953, 8391), a6);
    EXPECT_EQ(PaperPanelText(256, 5953, 8391), a6);
    EXPECT_EQ(PaperPanelText(256, 12240, 15840), "Paper  - User-defined (216 x 279mm) - [8 1/2 x 11 in.]");
    EXPECT_EQ(PaperPanelText(0, 11906, 16838), "Paper  - User-defined (210 x 297mm) - [8 9/32 x 11 45/64 in.]");
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
