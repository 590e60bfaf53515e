// Printing from a real viewer to the cups-pdf queue: what reaches CUPS, the
// PDF that comes out, and the cancel countdown driven with the mouse.
#include "viewer/ViewerFixture.h"

#include "printing/CancelCountdown.h"

#include <cups/cups.h>

#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <map>
#include <unistd.h>

using namespace kelvppvw;
using namespace kelvppvw::print_test;
using namespace kelvppvw::viewer_test;

namespace {

// The attributes of the CUPS job titled `title`, as text; empty when none exists.
std::map<std::string, std::string> cupsJob(const std::string& title) {
    std::map<std::string, std::string> attributes;
    cups_job_t* jobs = nullptr;
    const int n = cupsGetJobs(&jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < n && attributes.empty(); ++i) {
        if (title != jobs[i].title)
            continue;
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobs[i].id);
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        char value[256];
        for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response))
            if (ippGetName(a) && ippAttributeString(a, value, sizeof value) > 0)
                attributes[ippGetName(a)] = value;
        ippDelete(response);
    }
    cupsFreeJobs(n < 0 ? 0 : n, jobs);
    return attributes;
}

class Printing : public ProducedViewer {
protected:
    void SetUp() override {
        ProducedViewer::SetUp();
        gsPrtFileName = uniqueJobTitle("kvt-print");
        glMilliWaitSet = 0;
        open(5);
        caption = v->Caption();
        // Each countdown tick is seen after it ran; a test may act on it.
        v->tmrCntD->onTimer = [this, tick = v->tmrCntD->onTimer] {
            tick();
            ticks.push_back(std::stoi(v->lblCP(3).Caption()));
            if (onTick)
                onTick();
        };
    }

    void TearDown() override {
        ProducedViewer::TearDown();
        glMilliWaitSet = 0;
    }

    // What navigation does when it shows a page.
    void showPage(int page) {
        glMovingPage = page;
        gsPageFile = RunPageFile(page);
        v->imgP->SetPicture(Picture::LoadPicture(gsPageFile));
    }

    // The PDF of this test's job, checked against the recorded pages it should hold.
    std::string expectPdfOfPages(const std::vector<int>& pages) {
        const auto pdf = waitForPdf(gsPrtFileName);
        EXPECT_TRUE(pdf) << "no PDF for " << gsPrtFileName;
        if (!pdf)
            return {};
        EXPECT_EQ(pdfPages(*pdf).size(), pages.size());
        for (size_t i = 0; i < pages.size(); ++i)
            expectInkOf(*pdf, int(i) + 1, pages[i]);
        // Text stays text: set in fonts, with no picture of the page.
        const QString file = QString::fromStdString(*pdf);
        EXPECT_TRUE(run("pdffonts", {file}).contains("yes")) << "no embedded font";
        EXPECT_EQ(run("pdfimages", {"-list", file}).count('\n'), 2) << "the PDF holds images";
        return *pdf;
    }

    // The sheet's printable area against the recorded page played on its own,
    // compared by the mean grey of a coarse grid so that edges do not count.
    void expectInkOf(const std::string& pdf, int sheet, int page) {
        constexpr int dpi = 36;
        const QImage printed = renderPdfPage(pdf, sheet, dpi);
        ASSERT_FALSE(printed.isNull());
        const double s = double(dpi) / printer->resolution();
        const DeviceCaps c = printer->deviceCaps();
        const QRect area = QRectF(c.physicalOffsetX * s, c.physicalOffsetY * s, c.horzRes * s, c.vertRes * s).toRect();
        QImage recorded(area.size(), QImage::Format_RGB32);
        recorded.fill(Qt::white);
        QPainter painter(&recorded);
        Picture::LoadPicture(RunPageFile(page))->paint(painter, QRectF(recorded.rect()));
        painter.end();
        constexpr int grid = 8;
        for (int gy = 0; gy < grid; ++gy)
            for (int gx = 0; gx < grid; ++gx) {
                const QRect cell(gx * area.width() / grid, gy * area.height() / grid, area.width() / grid,
                                 area.height() / grid);
                EXPECT_NEAR(meanGrey(printed, cell.translated(area.topLeft())), meanGrey(recorded, cell), 12)
                    << "sheet " << sheet << " cell " << gx << "," << gy;
            }
    }

    void expectShownPageBack() {
        EXPECT_EQ(v->Caption(), caption);
        EXPECT_EQ(gsPageFile, RunPageFile(glMovingPage));
        EXPECT_NE(v->imgP->Picture(), nullptr);
        EXPECT_EQ(v->picCan->Top(), CancelCountdown::ParkedTop);
        EXPECT_FALSE(v->cmdCanlP->Enabled());
    }

    std::string caption;
    std::vector<int> ticks;
    std::function<void()> onTick;
};

} // namespace

TEST_F(Printing, all_pages_make_one_job_titled_with_the_document_and_its_settings) {
    printer->setCopies(2);
    printer->setPrintQuality(Printer::QualityHigh);
    QTest::mouseClick(v->widget()->findChild<QToolButton*>("PrintAll"), Qt::LeftButton);
    expectPdfOfPages({1, 2, 3, 4, 5});
    auto job = cupsJob(gsPrtFileName);
    EXPECT_EQ(job["copies"], "2");
    EXPECT_EQ(job["media"], "A4");
    EXPECT_EQ(job["print-quality"], "high");
    EXPECT_TRUE(ticks.empty()) << "no countdown was set";
    expectShownPageBack();
}

TEST_F(Printing, selected_pages_print_in_order) {
    for (int i = 0; i < 5; ++i)
        v->lstPage->SetSelected(i, i == 1 || i == 4);
    v->tlbr2_ButtonClick("PrintSels");
    expectPdfOfPages({2, 5});
    expectShownPageBack();
}

TEST_F(Printing, countdown_counts_down_animates_and_stands_over_the_page) {
    glMilliWaitSet = 250;
    // The test is the clock: the timers' own intervals are out of reach, and
    // their ticks are fired from inside the countdown's wait.
    v->tmrCntD->SetInterval(60000);
    v->tmrMovie->SetInterval(60000);
    std::vector<std::string> labels;
    std::vector<int> frames;
    QTimer driver;
    driver.start(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (!v->tmrCntD->Enabled())
            return; // the countdown has not started yet
        driver.stop();
        for (int16_t i = 0; i <= 4; ++i)
            labels.push_back(v->lblCP(i).Caption());
        EXPECT_EQ(v->picCan->Top(), (v->picBack->Height() - v->picCan->Height()) / 2);
        EXPECT_TRUE(v->cmdCanlP->Enabled());
        for (int tick = 0; tick < 6; ++tick) {
            v->tmrMovie->Fire();
            for (int16_t i = 0; i <= 4; ++i)
                if (v->imgMov->Picture() == v->imgPrt(i).Picture())
                    frames.push_back(i);
        }
        EXPECT_TRUE(v->widget()->grab().save(QString::fromStdString(artefactPath("printing-countdown.png"))));
        while (v->tmrCntD->Enabled())
            v->tmrCntD->Fire();
    });
    showPage(2);
    v->PrintShownPage();
    EXPECT_EQ(ticks, (std::vector<int>{150, 50, -50}));
    EXPECT_EQ(labels, (std::vector<std::string>{" Page 2", "Printing", gsPrtFileName, "250",
                                                "Remaining milliseconds to cancel print"}));
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 4, 0}));
    expectPdfOfPages({2});
    expectShownPageBack();
}

TEST_F(Printing, cancel_stops_the_job_before_anything_reaches_cups) {
    // Cancelled on the first page or a later one: no page after it, and no job.
    for (const int cancelOnPage : {1, 3}) {
        glMilliWaitSet = cancelOnPage == 1 ? 1000 : 100;
        gsPrtFileName = uniqueJobTitle("kvt-cancel");
        std::vector<std::string> pagesSeen;
        onTick = [&] {
            pagesSeen.push_back(v->lblCP(0).Caption());
            if (pagesSeen.back() == PageLine(cancelOnPage) && v->cmdCanlP->Enabled())
                QTest::mouseClick(v->widget()->findChild<QPushButton*>("cmdCanlP"), Qt::LeftButton);
        };
        v->PrintAllPages();
        EXPECT_TRUE(gPrintCancelled);
        EXPECT_EQ(pagesSeen.back(), PageLine(cancelOnPage)) << "no page after the cancelled one";
        EXPECT_FALSE(printer->jobOpen());
        EXPECT_TRUE(cupsJob(gsPrtFileName).empty()) << "a cancelled job reached CUPS";
        EXPECT_FALSE(pdfExists(gsPrtFileName));
        expectShownPageBack();
    }
}

TEST_F(Printing, a_queue_lost_during_the_countdown_neither_hangs_nor_crashes) {
    const std::string queue = "kvt-lost-" + std::to_string(getpid());
    bool ok = false;
    const QString q = QString::fromStdString(queue);
    run("lpadmin", {"-p", q, "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-E"}, &ok);
    if (!ok)
        GTEST_SKIP() << "creating a CUPS queue needs administration rights";
    // Disabled, the queue holds the job; deleted, it refuses it.
    for (const QStringList& lose : {QStringList{"cupsdisable", q}, QStringList{"lpadmin", "-x", q}}) {
        Printer::setCurrent(Printer::open(queue));
        glMilliWaitSet = 200;
        onTick = [&] {
            if (ticks.size() == 1)
                run(lose[0], lose.mid(1));
        };
        v->PrintAllPages();
        EXPECT_FALSE(gPrintCancelled);
        EXPECT_FALSE(Printer::current()->jobOpen()) << lose.join(' ').toStdString();
        expectShownPageBack();
    }
    run("lpadmin", {"-x", q});
}
