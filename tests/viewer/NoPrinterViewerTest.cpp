#include "platform/printer/PdfOutput.h"
#include "platform/profile/TempFolder.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <map>
#include <string>

namespace {

// The probe's report with the print server pointed where nobody answers.
std::map<std::string, std::string> probe(const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KELVPPVW_HOME", home);
    env.insert("CUPS_SERVER", "127.0.0.1:1"); // port 1 of the loopback address: nobody listens there
    p.setProcessEnvironment(env);
    p.start(NO_PRINTER_VIEWER_PROBE, {home});
    std::map<std::string, std::string> out;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return out;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            out[line.left(eq).toStdString()] = line.mid(eq + 1).toStdString();
    }
    return out;
}

} // namespace

TEST(NoPrinterViewer, without_a_printer_the_viewer_loads_with_the_notice_and_no_printing) {
    TempFolder home;
    writeBytes(home.file("host.ini"),
               "[App]\r\nPrtSetup_DeviceName=" + kelvppvw::print_test::testQueue() + "\r\nPrtSetup_PaperSize=11\r\n");
    auto seen = probe(QString::fromStdString(home.path().string()));
    ASSERT_EQ(seen["done"], "1");
    EXPECT_EQ(seen["found"], "0");
    EXPECT_EQ(seen["panel2"], " A Printer was not found on your system...");
    EXPECT_EQ(seen["noPrinterImage"], "1");
    EXPECT_EQ(seen["printAll"], "0");
    EXPECT_EQ(seen["printers"], "0");
    EXPECT_EQ(seen["margins"], "0 0 0 0 0 0 0");
    EXPECT_EQ(seen["setup"], "0");
}
