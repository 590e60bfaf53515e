#pragma once
// The viewer on the real cups-pdf printer, showing page 1 of the demo report
// recorded through the toolkit, as start-up leaves it: printer found, metrics
// read, pages produced, viewer ready.
#include "PageRecorder.h"
#include "SampleReport.h"

#include "host/PreviewValues.h"
#include "platform/forms/Application.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/Panel.h"
#include "platform/forms/StdFont.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/gdi/GdiImages.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"
#include "platform/profile/TempFolder.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <string>

namespace kelvppvw::viewer_test {

// Page 1 of the demo report, recorded once per test program.
inline std::shared_ptr<Picture> demoPage() {
    static std::shared_ptr<Picture> page = [] {
        static QTemporaryDir dir;
        auto recorder = std::make_shared<PageRecorder>(dir.path().toStdString(), 816 * 15, 1056 * 15);
        auto report = std::make_shared<SampleReport>();
        report->pages = 1;
        report->Parent = recorder;
        report->MarginLeft = report->MarginTop = report->MarginRight = report->MarginBottom = 720;
        recorder->printDataObject = report;
        report->callWith("PrintDataObjText", Variant(), Variant("Viewer test report"));
        return Picture::load(dir.filePath("Page_1.emf").toStdString());
    }();
    return page;
}

inline std::string artefactPath(const std::string& name) {
    QDir().mkpath(QStringLiteral(KELVPPVW_ARTEFACT_DIR));
    return std::string(KELVPPVW_ARTEFACT_DIR) + "/" + name;
}

// Plain colours for what the tests look for in pixels.
inline constexpr uint32_t FitOutline = 0x000000FF;    // red
inline constexpr uint32_t ZoomOutline = 0x0000C000;   // green
inline constexpr uint32_t ShadowColour = 0x00800080;  // purple
inline constexpr uint32_t Background = 0x00808080;    // grey

class ViewerFixture : public ::testing::Test {
protected:
    struct Sheet {
        int32_t paper = 9; // A4
        int32_t orientation = Printer::Portrait;
        int32_t dpi = 600;
    };

    void SetUp() override { SetUpViewer({}); }

    void SetUpViewer(Sheet sheet, bool rulers = true) {
        Application::ensure();
        ModalScript::clear();
        // Start-up and closing read and write preview.ini and the page folder there.
        gsAppPath = home.home();
        ASSERT_TRUE(print_test::queueInstalled());
        printer = Printer::open(print_test::testQueue());
        printer->setPaperSize(sheet.paper);
        printer->setOrientation(sheet.orientation);
        printer->setPrintQuality(sheet.dpi);
        Printer::setCurrent(printer);
        page = demoPage();
        ASSERT_TRUE(page) << "the demo page could not be recorded";

        v = NewForm<frmPrtPreview>();
        v->seams.producePages = [this] {
            ++productions;
            v->mbPagesProduced = true;
        };
        v->seams.pageCount = [this] { return pages; };

        v->Move(0, 0, 12000, 9000);
        v->Show();
        // Start-up has read the stored settings; the tests' own replace them.
        v->settings = {};
        v->settings[ViewerSetting::Color1] = static_cast<int32_t>(FitOutline);
        v->settings[ViewerSetting::Color2] = static_cast<int32_t>(ZoomOutline);
        v->settings[ViewerSetting::Color3] = static_cast<int32_t>(ShadowColour);
        v->settings[ViewerSetting::ShadowDepth] = 30;
        v->settings[ViewerSetting::RulersDisplayed] = rulers ? 1 : 0;
        v->settings[ViewerSetting::RulerDimension] = rulers ? 300 : 0;
        v->settings[ViewerSetting::RulerCrossHairs] = 1;
        v->settings[ViewerSetting::RulerScale] = 5;
        v->mnuScale->Item("mnuIM", 5).SetChecked(true);
        // The colours start-up would paint.
        v->shpS->SetBackColor(ShadowColour);
        v->shpS->SetFillColor(ShadowColour);
        v->shpS->SetBorderColor(ShadowColour);
        v->picBack->SetBackColor(Background);
        v->mbPrinterFound = true;
        v->ReadPrinterMetrics();
        v->mbViewerReady = true;
        v->mbPagesProduced = true;
        v->imgP->SetPicture(page);
        v->Form_Resize();
        productions = 0; // the render while showing counted too
    }

    void TearDown() override {
        if (v)
            v->Unload();
        v.reset();
        Printer::resetCurrent();
        ModalScript::clear();
    }

    // The test queue prints to the sheet's edge; a laser printer keeps an
    // unprintable border. This gives the viewer one of `px` printer pixels.
    void useUnprintableBorder(int32_t px) {
        PageGeometry& g = v->geometry;
        g.mlOffsetXPx = g.mlOffsetYPx = px;
        g.mlPrintWidthPx = g.mlPaperWidthPx - 2 * px;
        g.mlPrintHeightPx = g.mlPaperHeightPx - 2 * px;
        v->Form_Resize();
    }

    void chooseZoom(const std::string& key) {
        ToolbarButton& zoom = v->tlbr1->Button("zoom");
        for (const auto& entry : zoom.ButtonMenus())
            if (entry->Key() == key) {
                v->tlbr1->menuClickFromNative(*entry);
                return;
            }
        FAIL() << "no zoom entry " << key;
    }

    std::string panel(int index) const { return v->stbr1->Panels(index).Text(); }
    std::string zoomCaption() const { return v->tlbr1->Button("zoom").Caption(); }
    double rulerDimension() const { return v->settings[ViewerSetting::RulerDimension]; }
    double shadowDepth() const { return v->settings[ViewerSetting::ShadowDepth]; }

    // The whole window as the user sees it, saved as a test artefact.
    QImage screenshot(const std::string& name) const {
        const QImage shot = v->widget()->grab().toImage();
        const std::string path = artefactPath(name);
        EXPECT_TRUE(shot.save(QString::fromStdString(path)));
        std::printf("screenshot: %s\n", path.c_str());
        return shot;
    }

    TempHome home;
    std::shared_ptr<Printer> printer;
    std::shared_ptr<Picture> page;
    std::shared_ptr<frmPrtPreview> v;
    int productions = 0;
    int32_t pages = 1;
};

} // namespace kelvppvw::viewer_test
