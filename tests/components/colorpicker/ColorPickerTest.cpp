#include "components/colorpicker/ColorPickerClass.h"
#include "components/colorpicker/ColorPickerDispatch.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/Application.h"
#include "platform/forms/OleColor.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
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

    int32_t picked() { return object->get("PickedColor").toLong(); }

    ClassRegistry registry;
    ObjectRef object;
    ColorPicker* picker = nullptr;
    std::map<std::string, std::vector<Args>> raised; // by event, in order
};

} // namespace

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
