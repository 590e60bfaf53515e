#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvppvw::print_test {

// Runs a tool to its end (a minute at most) and returns what it printed; ok
// tells whether it ran and exited with 0.
QString run(const QString& program, const QStringList& args, bool* ok = nullptr);

// The cups-pdf queue the printing tests print to and the folder it writes to
// (KELVPPVW_TEST_QUEUE, KELVPPVW_PDF_DIR; scripts/start-cups.sh sets both up).
std::string testQueue();
std::string pdfDirectory();

// Fails with a message that says how to get the queue when it is missing.
::testing::AssertionResult queueInstalled();

// A job title no other run or test uses: letters, digits and dashes only, so
// that cups-pdf keeps it intact in the file name.
std::string uniqueJobTitle(std::string_view prefix);

// The PDF cups-pdf wrote for the job title, once it is complete; nothing when
// none appeared within the timeout.
std::optional<std::string> waitForPdf(const std::string& title,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(60));
// Whether any file for the title exists right now.
bool pdfExists(const std::string& title);

struct PdfPage {
    double widthPt = 0;
    double heightPt = 0;
};
// Page sizes of the PDF as pdfinfo reads them; empty when it cannot read it.
std::vector<PdfPage> pdfPages(const std::string& path);

// One page rendered by pdftoppm at the resolution; a null image on failure.
QImage renderPdfPage(const std::string& path, int page, int dpi);

// Mean grey level (0 black .. 255 white) of a rectangle of the image.
double meanGrey(const QImage& image, const QRect& area);

// Writes the smallest file that reads as an enhanced metafile: a header record.
inline void writeMetafileStub(const std::string& path) {
    unsigned char header[108] = {1, 0, 0, 0, 108, 0, 0, 0};
    header[40] = ' ', header[41] = 'E', header[42] = 'M', header[43] = 'F';
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(header), sizeof header);
}

} // namespace kelvppvw::print_test
