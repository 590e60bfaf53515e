#pragma once
// The viewer on the real cups-pdf printer (A4 portrait) with a private home for
// preview.ini and the page folder, in two shapes: ViewerFixture shows page 1 of
// the demo report as start-up leaves it, its steps set by the test;
// ProducedViewer runs the real start-up and production of a test report and is
// driven by synthesized events on widgets found by their object names.
#include "ViewerTestReport.h"
#include "bench/DemoPage.h"

#include "host/PreviewValues.h"
#include "platform/forms/Application.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/Panel.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"
#include "platform/profile/TempFolder.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageProduction.h"
#include "settings/ProfileStore.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace kelvppvw::viewer_test {

// Page 1 of the demo report with half-inch margins, recorded once per test program.
inline std::shared_ptr<Picture> demoPage() {
    static QTemporaryDir dir;
    static const std::shared_ptr<Picture> page = bench::demoPage(dir, 720);
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

// The test queue as the current printer and the home start-up and closing use.
class ViewerOnQueue : public ::testing::Test {
protected:
    struct Sheet {
        int32_t paper = 9; // A4
        int32_t orientation = Printer::Portrait;
        int32_t dpi = 600; // 0 leaves the queue's own
    };

    void useQueue(Sheet sheet) {
        Application::ensure();
        ModalScript::clear();
        gsAppPath = home.home();
        ASSERT_TRUE(print_test::queueInstalled());
        printer = Printer::open(print_test::testQueue());
        printer->setPaperSize(sheet.paper);
        printer->setOrientation(sheet.orientation);
        if (sheet.dpi)
            printer->setPrintQuality(sheet.dpi);
        Printer::setCurrent(printer);
    }

    void TearDown() override {
        if (v)
            v->Unload();
        v.reset();
        Printer::resetCurrent();
        ModalScript::clear();
    }

    std::string panel(int index) const { return v->stbr1->Panels(index).Text(); }

    TempHome home;
    std::shared_ptr<Printer> printer;
    std::shared_ptr<frmPrtPreview> v;
};

class ViewerFixture : public ViewerOnQueue {
protected:
    void SetUp() override {
        useQueue({});
        page = demoPage();
        ASSERT_TRUE(page) << "the demo page could not be recorded";

        v = NewForm<frmPrtPreview>();
        v->seams.producePages = [this] { v->mbPagesProduced = true; };
        v->seams.pageCount = [this] { return pages; };

        v->Move(0, 0, 12000, 9000);
        v->Show();
        // Start-up has read the stored settings; the tests' own replace them.
        v->settings = {};
        v->settings[ViewerSetting::Color1] = static_cast<int32_t>(FitOutline);
        v->settings[ViewerSetting::Color2] = static_cast<int32_t>(ZoomOutline);
        v->settings[ViewerSetting::Color3] = static_cast<int32_t>(ShadowColour);
        v->settings[ViewerSetting::ShadowDepth] = 30;
        v->settings[ViewerSetting::RulersDisplayed] = 1;
        v->settings[ViewerSetting::RulerDimension] = 300;
        v->settings[ViewerSetting::RulerCrossHairs] = 1;
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

    std::string zoomCaption() const { return v->tlbr1->Button("zoom").Caption(); }

    // The whole window as the user sees it, saved as a test artefact.
    QImage screenshot(const std::string& name) const {
        const QImage shot = v->widget()->grab().toImage();
        const std::string path = artefactPath(name);
        EXPECT_TRUE(shot.save(QString::fromStdString(path)));
        std::printf("screenshot: %s\n", path.c_str());
        return shot;
    }

    std::shared_ptr<Picture> page;
    int32_t pages = 1;
};

class ProducedViewer : public ViewerOnQueue {
protected:
    void SetUp() override {
        useQueue({9, Printer::Portrait, 0});
        gsAppName = "App";
        gsObjClassName = ViewerTestReport::ClassName;
        std::filesystem::create_directories(gsAppPath + "/Preview");
        ViewerTestReport::registerClass();
        ViewerTestReport::plan() = {};
    }

    void open(int pages) {
        ViewerTestReport::plan().pages = pages;
        v = NewForm<frmPrtPreview>();
        v->Show();
        DoEvents();
        ASSERT_TRUE(v->mbPagesProduced);
    }
    template <class W = QWidget>
    W* find(const char* name) const {
        return v->widget()->findChild<W*>(QString::fromLatin1(name));
    }
    // A click on the toolbar button with that Key, on its face.
    void click(const char* key) const {
        auto* button = find<QToolButton>(key);
        ASSERT_NE(button, nullptr) << key;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 3, button->height() / 2));
        DoEvents();
    }
    bool enabled(const char* key) const { return find<QToolButton>(key)->isEnabled(); }
    std::string stored(const char* key) const { return ReadProfileKey("App", key, "", gsAppPath + "/preview.ini"); }
    void store(const char* key, const char* value) const {
        WriteProfileKey("App", key, value, gsAppPath + "/preview.ini");
    }
};

} // namespace kelvppvw::viewer_test
