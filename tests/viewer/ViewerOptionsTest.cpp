// The viewer's options command with the real dialog, driven through its widgets.
#include "ViewerFixture.h"

#include "host/PreviewValues.h"
#include "settings/OptionsDriver.h"

#include <functional>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;
using namespace kelvppvw::options_test;

namespace {

class OptionsCommand : public ViewerFixture {
protected:
    void SetUp() override {
        gsAppName = "App"; // the section the ruler keys go to
        ViewerFixture::SetUp();
    }

    // Runs the options command while `user` works in the dialog.
    void options(const std::function<void(frmPPVOS&)>& user) {
        ModalScript::push([&](ModalMoment& m) {
            user(dynamic_cast<frmPPVOS&>(*m.form));
            return 0;
        });
        v->mnuZxxm_Click();
        for (const ModalMoment& m : ModalScript::history())
            EXPECT_NE(m.kind, ModalKind::MessageBox) << m.text;
    }
};

} // namespace

TEST_F(OptionsCommand, apply_takes_the_options_over_at_once_and_ok_after_the_dialog_closed) {
    options([&](frmPPVOS& f) {
        // The dialog's owner is the viewer, which answered the request for it.
        EXPECT_EQ(f.widget()->parentWidget(), v->widget());
        click(f, "chkRulers");
        click(f, "cmdApply");
        EXPECT_FALSE(v->picRuler(0).Visible() || v->picRuler(1).Visible() || v->picCorn(2).Visible());
        EXPECT_EQ(v->settings[ViewerSetting::RulerDimension], 0);
        click(f, "chkRulers");
        click(f, "chkSSM");
        click(f, "cmdApply");
        EXPECT_TRUE(v->picRuler(0).Visible());
        EXPECT_EQ(v->picRuler(0).Height(), 300);
        click(f, "chkRulers");
        click(f, "cmdOK");
        // OK stores the options but leaves applying them to the viewer.
        EXPECT_TRUE(v->picRuler(0).Visible());
        EXPECT_EQ(v->settings[ViewerSetting::RulerDimension], 300);
    });
    EXPECT_EQ(v->settings[ViewerSetting::AutoScaleMenu], 1);
    EXPECT_EQ(v->settings[ViewerSetting::RulersDisplayed], 0);
    EXPECT_EQ(v->settings[ViewerSetting::RulerDimension], 0);
    EXPECT_FALSE(v->picRuler(0).Visible() || v->picRuler(1).Visible() || v->picCorn(2).Visible());
}
