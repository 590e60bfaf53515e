#pragma once
// The viewer as a user meets it: shown on the cups-pdf queue (A4 portrait),
// its first layout pass producing a test report through the real production,
// driven by synthesized events on widgets found by their object names.
#include "viewer/ViewerTestReport.h"

#include "host/PreviewValues.h"
#include "platform/forms/Application.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/Panel.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/printer/PdfOutput.h"
#include "platform/printer/Printer.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageProduction.h"
#include "settings/ProfileStore.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <filesystem>

namespace kelvppvw::viewer_test {

class ProducedViewer : public ::testing::Test {
protected:
    void SetUp() override {
        ModalScript::clear();
        ASSERT_TRUE(print_test::queueInstalled());
        setenv(AppPathVariable, home_.path().toUtf8().constData(), 1);
        gsAppPath = home_.path().toStdString();
        gsAppName = "App";
        gsObjClassName = ViewerTestReport::ClassName;
        std::filesystem::create_directories(gsAppPath + "/Preview");
        ViewerTestReport::registerClass();
        ViewerTestReport::plan() = {};
        printer = Printer::open(print_test::testQueue());
        printer->setPaperSize(9);
        printer->setOrientation(Printer::Portrait);
        Printer::setCurrent(printer);
    }
    void TearDown() override {
        if (v)
            v->Unload();
        Printer::resetCurrent();
        unsetenv(AppPathVariable);
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
    std::string panel(int index) const { return v->stbr1->Panels(index).Text(); }
    std::string stored(const char* key) const { return ReadProfileKey("App", key, "", gsAppPath + "/preview.ini"); }
    void store(const char* key, const char* value) const {
        WriteProfileKey("App", key, value, gsAppPath + "/preview.ini");
    }

    QTemporaryDir home_;
    std::shared_ptr<Printer> printer;
    std::shared_ptr<frmPrtPreview> v;
};

} // namespace kelvppvw::viewer_test
