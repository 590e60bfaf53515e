#include "components/printersetup/PrinterSetup.h"
#include "components/printersetup/PrinterSetupClass.h"
#include "components/printersetup/PrinterSetupDialog.h"
#include "components/printersetup/PrinterSetupStore.h"
#include "platform/automation/ErrorOf.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/ModalScript.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printers.h"
#include "platform/profile/TempFolder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPageSize>

#include <set>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

class PrinterSetupComponent : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(print_test::queueInstalled());
        RegisterPrinterSetupClass();
        ModalScript::clear();
        component = ClassRegistry::instance().create(PrinterSetupClassName);
    }
    void TearDown() override { ModalScript::clear(); }

    Args readArgs(const std::string& section) {
        Args a;
        for (int i = 0; i < 8; ++i)
            a.emplace_back(int32_t{-99});
        a.emplace_back(section);
        a.emplace_back(file);
        return a;
    }

    ObjectRef component;
    TempFolder dir;
    std::string file = dir.file("host.ini");
};

} // namespace

TEST_F(PrinterSetupComponent, the_read_call_gives_the_eight_values_in_their_order_or_says_why_not) {
    Args a = readArgs("App");
    EXPECT_EQ(component->call("ReadPrinterSetup", a).toLong(), -1) << "nothing stored";
    EXPECT_EQ(a[2].toLong(), -99);  // untouched
    PrinterChoice gone;
    gone.deviceName = "kelvppvw-no-such-queue";
    PrinterSetupStore::save(gone, "Gone", file);
    a = readArgs("Gone");
    EXPECT_EQ(component->call("ReadPrinterSetup", a).toLong(), -2) << "the printer is gone";
    EXPECT_EQ(a[0].toLong(), -99);

    PrinterChoice c;
    c.deviceName = print_test::testQueue();
    c.colorMode = 1;
    c.paperSize = 11;
    c.duplex = 2;
    c.paperBin = 3;
    c.orientation = 2;
    c.copies = 5;
    c.printQuality = 300;
    PrinterSetupStore::save(c, "App", file);
    a = readArgs("App");
    const int32_t position = Printers::installed()->indexOf(print_test::testQueue());
    EXPECT_EQ(component->call("ReadPrinterSetup", a).toLong(), position);
    const int32_t expected[8] = {position, 1, 11, 2, 3, 2, 5, 300};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(a[static_cast<size_t>(i)].toLong(), expected[i]) << "value " << i + 1;
}

TEST_F(PrinterSetupComponent, the_dialog_offers_each_paper_code_once_and_every_one_maps_back) {
    PrinterSetupDialog dialog(Printers::systemNames(), PrinterChoice{print_test::testQueue()});
    auto* paper = dialog.findChild<QComboBox*>("cboPaper");
    ASSERT_TRUE(paper);
    std::set<int> codes;
    for (int i = 0; i < paper->count(); ++i) {
        const int code = paper->itemData(i).toInt();
        EXPECT_TRUE(codes.insert(code).second) << "twice: " << code;
        EXPECT_NE(QPageSize::id(code), QPageSize::Custom) << code;
    }
    EXPECT_TRUE(codes.count(9));
    EXPECT_TRUE(codes.count(11));

    PrinterChoice unknown{"kelvppvw-no-such-queue"};
    EXPECT_FALSE(dialog.setChoice(unknown));
    EXPECT_EQ(dialog.choice().deviceName, print_test::testQueue());
}

TEST_F(PrinterSetupComponent, a_stored_value_that_is_no_number_keeps_its_default_and_an_unwritable_place_raises_75) {
    writeBytes(file, "[App]\nPrtSetup_DeviceName=lp\nPrtSetup_PaperSize=A4\nPrtSetup_Orientation=2\n");
    const auto c = PrinterSetupStore::load("App", file);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->paperSize, PrinterChoice{}.paperSize);
    EXPECT_EQ(c->orientation, 2);
    EXPECT_EQ(errorOf([&] { PrinterSetupStore::save(*c, "App", dir.file("no/such/folder/x.ini")); }),
              75);
}
