#include "components/colorpicker/ColorPickerClass.h"
#include "components/colorpicker/ColorPickerDispatch.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/Application.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/OleColor.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include <map>
#include <string>
#include <vector>

using namespace kelvppvw;

namespace {

class PickerByName : public ::testing::Test {
protected:
    void SetUp() override {
        Application::ensure();
        ModalScript::clear();
        registerColorPickerClass(registry);
        object = registry.create("KVXBFC.BROWSEFORCOLOR");
        picker = std::dynamic_pointer_cast<ColorPickerDispatch>(object)->picker();
        ASSERT_TRUE(picker);
        picker->resize(24, 19);
        picker->show();
        object->put("Index", Variant(int32_t{3}));
        object->put("designcolor", Variant(int32_t(SystemColor(12))));
        object->put("pickcolor", Variant(int32_t(SystemColor(12))));
        std::dynamic_pointer_cast<EventProvider>(object)->events().connect(
            [this](std::string_view name, Args& args) { raised[std::string(name)].push_back(args); });
    }
    void TearDown() override { ModalScript::clear(); }

    int32_t picked() { return object->get("PickedColor").toLong(); }

    ClassRegistry registry;
    ObjectRef object;
    ColorPicker* picker = nullptr;
    std::map<std::string, std::vector<Args>> raised; // by event, in order
};

} // namespace

TEST_F(PickerByName, a_click_opens_the_colour_dialog_from_the_resolved_colour_and_other_buttons_report_themselves) {
    ModalScript::push([](ModalMoment&) { return 0x123456; });
    ModalScript::push([](ModalMoment&) { return -1; }); // the user cancels
    QTest::mouseClick(picker, Qt::LeftButton);
    ASSERT_EQ(ModalScript::history().size(), 1u);
    EXPECT_EQ(ModalScript::history()[0].kind, ModalKind::ColorDialog);
    EXPECT_EQ(ModalScript::history()[0].text, std::to_string(RGB(128, 128, 128))); // application workspace
    EXPECT_EQ(picked(), 0x123456);
    const auto& picks = raised["ColorPicked"];
    ASSERT_EQ(picks.size(), 1u);
    EXPECT_EQ(picks[0][0].toLong(), 3);
    EXPECT_EQ(picks[0][2].toLong(), 0x123456);

    // Space opens it too; the user cancels; a right click opens nothing.
    QTest::keyClick(picker, Qt::Key_Space);
    QTest::mouseClick(picker, Qt::RightButton, Qt::ShiftModifier, QPoint(2, 3));
    EXPECT_EQ(ModalScript::history().size(), 2u);
    EXPECT_EQ(picked(), 0x123456);
    EXPECT_EQ(raised["ColorPicked"].size(), 1u);
    const auto& buttons = raised["PickerMouseButton"];
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[1][1].toLong(), 2);
    EXPECT_EQ(buttons[1][2].toLong(), 1);
    EXPECT_FLOAT_EQ(buttons[1][3].toSingle(), 30.0f);
}

TEST_F(PickerByName, reset_shows_the_design_colour_reports_it_as_a_choice_and_takes_a_handlers_answer) {
    object->put("PickedColor", Variant(int32_t{0x00FF00}));
    object->callWith("ResetColor");
    EXPECT_EQ(picked(), SystemColor(12));
    // The swatch shows the system colour as the classic table has it.
    const QImage shot = picker->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(128, 128, 128));
    ASSERT_EQ(raised.size(), 1u);
    ASSERT_EQ(raised["ColorPicked"].size(), 1u);
    EXPECT_EQ(raised["ColorPicked"][0][2].toLong(), SystemColor(12));

    // lColor is by reference: a handler may answer with another colour.
    std::dynamic_pointer_cast<EventProvider>(object)->events().connect([](std::string_view, Args& args) {
        args.back() = Variant(int32_t{0x0000FF});
    });
    object->callWith("ResetColor");
    EXPECT_EQ(picked(), 0x0000FF);
}

TEST_F(PickerByName, a_value_that_is_no_colour_is_refused_and_changes_nothing) {
    object->put("PickedColor", Variant(2147483663.0)); // 0x8000000F read as unsigned
    EXPECT_EQ(picked(), SystemColor(15));
    for (const Variant& bad : {Variant(int32_t{0x01000000}), Variant(int32_t{-1}), Variant(0.5), Variant("red")})
        EXPECT_THROW(object->put("PickedColor", bad), AutomationError) << bad.toString();
    EXPECT_EQ(picked(), SystemColor(15));
}

TEST_F(PickerByName, copy_and_paste_move_a_colour_between_swatches) {
    ColorPickerDispatch other;
    other.put("PickedColor", Variant(int32_t(RGB(0x11, 0x22, 0x33))));
    QTest::keyClick(other.picker(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(picker, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(picked(), int32_t(RGB(0x11, 0x22, 0x33)));
    ASSERT_EQ(raised.size(), 1u);
    ASSERT_EQ(raised["ColorSelected"].size(), 1u);
    EXPECT_EQ(raised["ColorSelected"][0][1].toLong(), int32_t(RGB(0x11, 0x22, 0x33)));

    // Text that names no colour changes nothing.
    QGuiApplication::clipboard()->setText("not a colour");
    QTest::keyClick(picker, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(picked(), int32_t(RGB(0x11, 0x22, 0x33)));
    EXPECT_EQ(raised["ColorSelected"].size(), 1u);
}

TEST_F(PickerByName, delete_goes_back_to_the_design_colour_as_a_reset_does) {
    object->put("PickedColor", Variant(int32_t{0x00FF00}));
    QTest::keyClick(picker, Qt::Key_Delete);
    EXPECT_EQ(picked(), SystemColor(12));
    ASSERT_EQ(raised["ColorPicked"].size(), 1u);
    EXPECT_EQ(raised["ColorPicked"][0][1].toLong(), 0) << "reported as a reset";
}
