// The options dialog driven through its widgets, on its own launcher with a
// settings table of the test's.
#include "host/PreviewValues.h"
#include "platform/automation/EventProvider.h"
#include "platform/forms/Application.h"
#include "platform/forms/ModalScript.h"
#include "OptionsDriver.h"
#include "platform/profile/TempFolder.h"
#include "settings/ProfileStore.h"
#include "settings/clsPPVOS.h"
#include "settings/frmPPVOS.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <functional>
#include <map>

using namespace kelvppvw;
using namespace kelvppvw::options_test;
namespace VS = kelvppvw::ViewerSetting;

namespace {

constexpr uint32_t Red = 0x000000FF, Green = 0x0000FF00, Yellow = 0x0000FFFF;

class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Application::ensure();
        ModalScript::clear();
        gsAppPath = home.home();
        gsAppName = "App";
        ReadViewerSettings(settings, gsAppName, ini());
        settings[VS::RulersDisplayed] = 1;
        settings[VS::RulerDimension] = 300;
        launcher->EditSettings(&settings);
        launcher->events().connect([this](std::string_view event, Args&) { applied += event == "NewOptionsApplied"; });
    }
    void TearDown() override { ModalScript::clear(); }

    std::string ini() const { return gsAppPath + "/preview.ini"; }

    // Opens the dialog, lets `user` work in it (closing it when the user
    // did not) and returns what ShowNewPPVOS returned.
    bool open(const std::function<void(frmPPVOS&)>& user) {
        ModalScript::push([&](ModalMoment& m) {
            user(dynamic_cast<frmPPVOS&>(*m.form));
            m.form->Unload();
            return 0;
        });
        return launcher->ShowNewPPVOS();
    }
    static QImage screenshot(const frmPPVOS& f, const std::string& name) {
        const QImage shot = f.widget()->grab().toImage();
        QDir().mkpath(QStringLiteral(KELVPPVW_ARTEFACT_DIR));
        EXPECT_TRUE(shot.save(QStringLiteral(KELVPPVW_ARTEFACT_DIR "/") + QString::fromStdString(name)));
        return shot;
    }

    TempHome home;
    ViewerSettings settings{};
    std::shared_ptr<clsPPVOS> launcher = std::make_shared<clsPPVOS>();
    int applied = 0;
};

} // namespace

TEST_F(OptionsDialog, rulers_switch_governs_the_cross_hairs_switch_and_the_sample_lines) {
    const bool shown = open([&](frmPPVOS& f) {
        click(f, "chkRulers");
        EXPECT_FALSE(find(f, "chkCHs")->isEnabled());
        EXPECT_FALSE(find(f, "shpR(0)")->isVisible());
        EXPECT_FALSE(f.LnCH(0).Visible() || f.LnCH(1).Visible());
        click(f, "chkRulers");
        EXPECT_TRUE(find(f, "chkCHs")->isEnabled());
        EXPECT_TRUE(find(f, "shpR(1)")->isVisible());
        EXPECT_TRUE(f.LnCH(0).Visible() && f.LnCH(1).Visible());
        // With the cross hairs switched off, the rulers coming back leave them off.
        click(f, "chkCHs");
        click(f, "chkRulers");
        click(f, "chkRulers");
        EXPECT_FALSE(f.LnCH(0).Visible() || f.LnCH(1).Visible());
        click(f, "cmdCancel");
    });
    EXPECT_FALSE(shown);
    EXPECT_EQ(settings[VS::RulersDisplayed], 1); // Cancel stores no switch
}

TEST_F(OptionsDialog, a_colour_chosen_for_the_viewer_stays_in_the_settings_after_cancel) {
    open([&](frmPPVOS& f) {
        screenshot(f, "options-dialog-defaults.png");
        choose(f, 4, Red);
        EXPECT_EQ(settings[VS::Color4], int32_t(Red));
        EXPECT_EQ(f.lblP->BackColor(), Red);
        choose(f, 9, Green);
        EXPECT_EQ(f.LnCH(0).BorderColor(), Green);
        EXPECT_EQ(f.shpR(1).get("ColorRuleMarkerColor").toLong(), int32_t(Green));
        click(f, "chkRulers");
        drag(f, "vscbS", 150);
        const QImage shot = screenshot(f, "options-dialog-edited.png");
        // The viewer's background sample beside the page shows the new colour.
        EXPECT_EQ(shot.pixelColor(find(f, "lblP")->mapTo(f.widget(), QPoint(2, 2))), QColor(Qt::red));
        click(f, "cmdCancel");
    });
    EXPECT_EQ(settings[VS::Color4], int32_t(Red));
    EXPECT_EQ(settings[VS::ShadowDepth], 30);
}

TEST_F(OptionsDialog, right_click_resets_its_row_and_default_resets_rows_and_depths_but_not_heights) {
    open([&](frmPPVOS& f) {
        // Nothing is stored yet: every row shows its default.
        uint32_t defaults[17];
        for (int16_t row = 1; row <= 16; ++row)
            defaults[row] = f.lblClrs(row).BackColor();
        choose(f, 7, Red);
        choose(f, 8, Yellow);
        click(f, "BrowseForColor1(7)", Qt::RightButton);
        EXPECT_EQ(f.lblClrs(7).BackColor(), defaults[7]);
        EXPECT_EQ(f.lblClrs(8).BackColor(), Yellow);

        choose(f, 1, Red);
        drag(f, "vscbRIH(0)", 2);
        drag(f, "vscMW", 3);
        drag(f, "vscbS", 120);
        drag(f, "vscR", 450);
        click(f, "cmdDefault");
        for (int16_t row = 1; row <= 16; ++row)
            EXPECT_EQ(f.lblClrs(row).BackColor(), defaults[row]) << "row " << row;
        EXPECT_EQ(f.vscbS->Value(), 30);
        EXPECT_EQ(f.vscR->Value(), 300);
        EXPECT_EQ(f.vscbRIH(0).Value(), 2);
        EXPECT_EQ(f.vscMW->Value(), 3);
        EXPECT_EQ(f.chkRulers->Value(), 0);
        EXPECT_EQ(f.chkCHs->Value(), 1);
    });
}

TEST_F(OptionsDialog, apply_writes_every_reported_ruler_key_each_time_and_ok_closes_without_telling) {
    std::map<std::string, int> reports;
    std::map<std::string, std::string> last;
    const bool shown = open([&](frmPPVOS& f) {
        for (int16_t i = 0; i <= 1; ++i)
            std::dynamic_pointer_cast<EventProvider>(f.shpR(i).object())
                ->events()
                .connect([&](std::string_view event, Args& a) {
                    if (event != "SettingToSave")
                        return;
                    const std::string key = a[1].toString() + "_" + a[0].toString();
                    ++reports[key];
                    last[key] = a[2].toString();
                });
        drag(f, "vscbRIH(1)", 3);
        click(f, "cmdApply");
        click(f, "cmdApply");
        EXPECT_EQ(applied, 2);
        click(f, "cmdOK");
    });
    EXPECT_FALSE(shown);
    EXPECT_EQ(applied, 2);
    EXPECT_EQ(reports.size(), 46u);
    for (const auto& [key, count] : reports) {
        EXPECT_EQ(count, 3) << key;
        EXPECT_EQ(ReadProfileKey("App", key, "(missing)", ini()), last[key]) << key;
    }
    EXPECT_EQ(last["DisplayRangeOutHeight_1"], "3");
}
