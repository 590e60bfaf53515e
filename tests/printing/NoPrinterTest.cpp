#include "platform/printer/PdfOutput.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <map>

namespace {

// Runs the probe in a process of its own: which print server a process talks
// to is settled when it first asks.
std::map<std::string, std::string> probe(const QString& cupsServer, const QString& ini) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (!cupsServer.isEmpty())
        env.insert("CUPS_SERVER", cupsServer);
    p.setProcessEnvironment(env);
    p.start(NO_PRINTER_PROBE, {ini});
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

TEST(NoPrinter, a_process_without_a_print_server_sees_no_printer_and_goes_on) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("host.ini");
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(("[App]\r\nPrtSetup_DeviceName=" + kelvppvw::print_test::testQueue() + "\r\nPrtSetup_PaperSize=11\r\n").c_str());
    f.close();

    // Port 1 of the loopback address: nothing listens there.
    auto seen = probe("127.0.0.1:1", ini);
    ASSERT_EQ(seen["done"], "1") << "the probe crashed or hung without a print server";
    EXPECT_EQ(seen["printers"], "0");
    EXPECT_EQ(seen["current"], "(none)");
    EXPECT_EQ(seen["margins"], "0 0 0 0 0 0 0");
    EXPECT_EQ(seen["dpi"], "77");  // the metrics keep what they had
    EXPECT_EQ(seen["paper"], "Paper");
    EXPECT_EQ(seen["setup"], "0");

    // The same probe against the real server does see the test queue, so the
    // answers above come from the missing server and not from the probe.
    ASSERT_TRUE(kelvppvw::print_test::queueInstalled());
    seen = probe({}, ini);
    ASSERT_EQ(seen["done"], "1");
    EXPECT_NE(seen["printers"], "0");
    EXPECT_NE(seen["current"], "(none)");
    EXPECT_NE(seen["paper"], "Paper");
    EXPECT_NE(seen["margins"], "0 0 0 0 0 0 0");
}
