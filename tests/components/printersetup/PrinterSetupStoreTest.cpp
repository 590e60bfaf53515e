#include "components/printersetup/PrinterSetupStore.h"

#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace kelvppvw;

namespace {

void writeAll(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class StoredChoice : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("host.ini");
    std::string file = path.toStdString();
};

} // namespace

TEST_F(StoredChoice, a_choice_round_trips_through_its_section) {
    EXPECT_EQ(PrinterSetupStore::load("App", file), std::nullopt);
    PrinterChoice c;
    c.deviceName = "office laser";
    c.paperSize = 11;
    c.orientation = 2;
    c.printQuality = 600;
    c.colorMode = 1;
    c.duplex = 3;
    c.paperBin = 7;
    c.copies = 4;
    PrinterSetupStore::save(c, "App", file);
    EXPECT_EQ(PrinterSetupStore::load("app", file), c);
    EXPECT_EQ(PrinterSetupStore::load("Other", file), std::nullopt);
}

TEST_F(StoredChoice, a_stored_value_that_is_no_number_keeps_its_default) {
    writeAll(path, "[App]\nPrtSetup_DeviceName=lp\nPrtSetup_PaperSize=A4\nPrtSetup_Orientation=2\n");
    const auto c = PrinterSetupStore::load("App", file);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->paperSize, PrinterChoice{}.paperSize);
    EXPECT_EQ(c->orientation, 2);
}

TEST_F(StoredChoice, an_unwritable_place_raises_75) {
    PrinterChoice c;
    c.deviceName = "lp";
    try {
        PrinterSetupStore::save(c, "App", dir.filePath("no/such/folder/x.ini").toStdString());
        FAIL() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 75);
    }
}
