#include "components/printersetup/PrinterSetupClass.h"
#include "components/printersetup/PrinterSetupDialog.h"
#include "platform/forms/ModalScript.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"
#include "platform/profile/TempFolder.h"
#include "printing/PrinterSetupCommands.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>

using namespace kelvppvw;

namespace {

class PrinterSetupCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(print_test::queueInstalled());
        RegisterPrinterSetupClass();
        ModalScript::clear();
        start = Printer::open(print_test::testQueue());
        start->setPaperSize(9);
        Printer::setCurrent(start);
        writeBytes(ini, "; the host's own settings\r\n[MyApp]\r\nWindowLeft=120\r\n");
    }
    void TearDown() override {
        ModalScript::clear();
        Printer::resetCurrent();
    }

    std::shared_ptr<Printer> start;
    TempFolder dir;
    std::string ini = dir.file("host.ini");
};

} // namespace

TEST_F(PrinterSetupCommands, landscape_a5_chosen_in_the_dialog_is_stored_read_back_and_applied) {
    ModalScript::push([](ModalMoment& moment) {
        EXPECT_EQ(moment.kind, ModalKind::PrinterDialog);
        PrinterSetupDialog* dialog = PrinterSetupDialog::active();
        if (!dialog)
            return 0;
        auto* paper = dialog->findChild<QComboBox*>("cboPaper");
        auto* landscape = dialog->findChild<QRadioButton*>("optLandscape");
        auto* quality = dialog->findChild<QComboBox*>("cboQuality");
        EXPECT_EQ(dialog->findChild<QComboBox*>("cboPrinter")->currentText().toStdString(), print_test::testQueue());
        paper->setCurrentIndex(paper->findData(11));
        landscape->click();
        quality->setCurrentIndex(quality->findData(-1));
        return 1;
    });
    EXPECT_TRUE(RunPrinterSetup("MyApp", ini));
    EXPECT_FALSE(ModalScript::hasPending());

    const std::string text = *readBytes(ini);
    EXPECT_EQ(text.rfind("; the host's own settings\r\n[MyApp]\r\nWindowLeft=120\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("PrtSetup_PaperSize=11\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("PrtSetup_Orientation=2\r\n"), std::string::npos) << text;

    const auto current = Printer::current();
    ASSERT_TRUE(current);
    EXPECT_NE(current, start);  // the stored printer was selected anew
    EXPECT_EQ(current->deviceName(), print_test::testQueue());
    EXPECT_EQ(current->paperSize(), 11);
    EXPECT_EQ(current->orientation(), Printer::Landscape);
    EXPECT_EQ(current->printQuality(), Printer::QualityDraft);
    EXPECT_GT(current->deviceCaps(caps::PhysicalWidth), current->deviceCaps(caps::PhysicalHeight));
}

TEST_F(PrinterSetupCommands, a_cancelled_dialog_stores_and_changes_nothing) {
    const std::string before = *readBytes(ini);
    ModalScript::push([](ModalMoment&) {
        PrinterSetupDialog* dialog = PrinterSetupDialog::active();
        if (dialog)
            dialog->findChild<QRadioButton*>("optLandscape")->click();
        return 0;
    });
    EXPECT_FALSE(RunPrinterSetup("MyApp", ini));
    EXPECT_EQ(*readBytes(ini), before);
    EXPECT_EQ(Printer::current(), start);
    EXPECT_EQ(start->orientation(), Printer::Portrait);
}

TEST_F(PrinterSetupCommands, a_stored_setting_the_printer_refuses_is_skipped_and_the_rest_applied) {
    writeBytes(ini, *readBytes(ini) + "[Broken]\r\nPrtSetup_DeviceName=" + print_test::testQueue() +
                        "\r\nPrtSetup_PaperSize=256\r\nPrtSetup_Orientation=2\r\nPrtSetup_Copies=0\r\n");
    ApplyStoredPrinterSetup("Broken", ini);
    const auto current = Printer::current();
    ASSERT_TRUE(current);
    EXPECT_NE(current, start);
    EXPECT_EQ(current->orientation(), Printer::Landscape);  // after the refused paper size
    EXPECT_EQ(current->copies(), 1);                       // 0 copies are not applied
}
