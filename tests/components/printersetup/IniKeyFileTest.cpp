#include "components/printersetup/IniKeyFile.h"
#include "components/printersetup/PrinterSetupStore.h"

#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <map>

using namespace kelvppvw;

namespace {

std::string readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
}

void writeAll(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class IniFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("host.ini");
    std::string file = path.toStdString();
};

} // namespace

TEST_F(IniFiles, a_new_file_gets_the_section_and_crlf_line_ends) {
    IniKeyFile::write(file, "App", "Key", "v 1");
    EXPECT_EQ(readAll(path), "[App]\r\nKey=v 1\r\n");
    EXPECT_EQ(IniKeyFile::read(file, "app", "KEY"), "v 1");
}

TEST_F(IniFiles, edits_keep_every_other_line_and_the_existing_spelling) {
    writeAll(path, "; comment\n[Other]\nKey=other\n\n[App]\nFirst = 1\n; inside\nKEY=old\nstray line\n[Last]\nx=y\n");
    IniKeyFile::write(file, "app", "Key", "new");
    IniKeyFile::write(file, "APP", "Added", "2");
    IniKeyFile::write(file, "Fresh", "k", "3");
    EXPECT_EQ(readAll(path),
              "; comment\n[Other]\nKey=other\n\n[App]\nFirst = 1\n; inside\nKEY=new\nAdded=2\nstray line\n[Last]\nx=y\n"
              "[Fresh]\nk=3\n");
    EXPECT_EQ(IniKeyFile::read(file, "Other", "key"), "other");
    EXPECT_EQ(IniKeyFile::read(file, "App", "first"), "1");
    EXPECT_EQ(IniKeyFile::read(file, "App", "x"), std::nullopt);
}

TEST_F(IniFiles, reads_strip_one_pair_of_quotes_and_miss_cleanly) {
    writeAll(path, "[App]\r\nA=\"  spaced  \"\r\nB='x\"\r\nC=\r\n");
    EXPECT_EQ(IniKeyFile::read(file, "App", "A"), "  spaced  ");
    EXPECT_EQ(IniKeyFile::read(file, "App", "B"), "'x\"");
    EXPECT_EQ(IniKeyFile::read(file, "App", "C"), "");
    EXPECT_EQ(IniKeyFile::read(file, "App", "D"), std::nullopt);
    EXPECT_EQ(IniKeyFile::read(dir.filePath("none.ini").toStdString(), "App", "A"), std::nullopt);
}

TEST_F(IniFiles, an_unwritable_place_raises_75_and_leaves_the_file) {
    writeAll(path, "[App]\nK=1\n");
    try {
        IniKeyFile::write(dir.filePath("no/such/folder/x.ini").toStdString(), "App", "K", "2");
        FAIL() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 75);
    }
    EXPECT_EQ(readAll(path), "[App]\nK=1\n");
}

TEST_F(IniFiles, a_choice_round_trips_through_its_section) {
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
    EXPECT_EQ(PrinterSetupStore::load("App", file), c);
    EXPECT_EQ(PrinterSetupStore::load("Other", file), std::nullopt);
}

TEST_F(IniFiles, a_stored_value_that_is_no_number_keeps_its_default) {
    writeAll(path, "[App]\nPrtSetup_DeviceName=lp\nPrtSetup_PaperSize=A4\nPrtSetup_Orientation=2\n");
    const auto c = PrinterSetupStore::load("App", file);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->paperSize, PrinterChoice{}.paperSize);
    EXPECT_EQ(c->orientation, 2);
}

TEST_F(IniFiles, an_installed_profile_store_takes_over_reads_and_writes) {
    std::map<std::string, std::string> keys;
    PrinterSetupStore::setProfileAccess(
        [&](const std::string& s, const std::string& k, const std::string& def, const std::string& f) {
            const auto it = keys.find(f + "|" + s + "|" + k);
            return it == keys.end() ? def : it->second;
        },
        [&](const std::string& s, const std::string& k, const std::string& v, const std::string& f) {
            keys[f + "|" + s + "|" + k] = v;
        });
    PrinterChoice c;
    c.deviceName = "lp";
    PrinterSetupStore::save(c, "App", file);
    EXPECT_EQ(keys.at(file + "|App|PrtSetup_DeviceName"), "lp");
    EXPECT_EQ(PrinterSetupStore::load("App", file), c);
    EXPECT_FALSE(QFile::exists(path));
    PrinterSetupStore::setProfileAccess(nullptr, nullptr);
}
