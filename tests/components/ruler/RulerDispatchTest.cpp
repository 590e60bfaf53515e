#include "platform/automation/ErrorOf.h"
#include "RulerTestSupport.h"

#include "components/ruler/FontObject.h"
#include "components/ruler/RulerDispatch.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvppvw;
using kelvppvw::test::errorOf;
using namespace kelvppvw::test;

namespace {

class RulerByName : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        registerRulerClass(registry);
        object = registry.create("KELVRULE.RULER");
        dispatch = std::dynamic_pointer_cast<RulerDispatch>(object);
        ASSERT_TRUE(dispatch);
        ruler = dispatch->ruler();
        ruler->resize(612, 20);
    }

    ClassRegistry registry;
    ObjectRef object;
    std::shared_ptr<RulerDispatch> dispatch;
    Ruler* ruler = nullptr;
};

} // namespace

TEST_F(RulerByName, bad_property_values_raise_and_change_nothing) {
    EXPECT_EQ(errorOf([&] { object->put("ColorRangeInColor", Variant(int32_t{0x01000000})); }), 380);
    EXPECT_EQ(errorOf([&] { object->put("ColorRangeInColor", Variant(1e20)); }), 380);
    EXPECT_EQ(errorOf([&] { object->put("RulerScale", Variant("inch")); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { object->put("EdgeStyle", Variant("flat")); }), 380);
    EXPECT_EQ(ruler->appearance(), RulerAppearance{});
    EXPECT_EQ(errorOf([&] { object->callWith("MoveMarker", 1.0); }), err::ArgumentNotOptional);
    // ApplySetting never raises for a value: the loader hands over whatever a file holds.
    EXPECT_EQ(errorOf([&] { object->callWith("ApplySetting", "RulerScale", "garbage"); }), 0);
    EXPECT_EQ(errorOf([&] { object->callWith("ApplySetting", "NoSuchSetting", "1"); }), 0);
    EXPECT_EQ(ruler->appearance(), RulerAppearance{});
}

TEST_F(RulerByName, fonts_are_held_by_reference_and_reread_on_refresh) {
    auto page = std::make_shared<FontObject>(FontDescription{"Courier New", 12.0});
    object->putRef("PageFont", Variant(page));
    EXPECT_EQ(object->get("PageFont").toObject(), page);
    // 12 pt Courier New: 0.6 em = 7.2 pt = 144 twips a character.
    EXPECT_NEAR(ruler->characterCells().characterAcross, 144.0, 0.5);

    page->put("Size", Variant(6.0));
    EXPECT_NEAR(ruler->characterCells().characterAcross, 144.0, 0.5);  // not yet looked at
    Args none;
    object->call("RefreshRuler", none);
    EXPECT_NEAR(ruler->characterCells().characterAcross, 72.0, 0.5);

    auto pitch = std::make_shared<FontObject>(FontDescription{"Courier New", 10.0, true});
    object->putRef("FontForPitch", Variant(pitch));
    EXPECT_NEAR(ruler->characterCells().pitchAcross, 120.0, 0.5);
    EXPECT_TRUE(ruler->fontForPitch().bold);

    // Any object with font members will do; members it lacks keep their value.
    class NameOnly : public DispatchObject {
    public:
        NameOnly() { property("Name", [] { return Variant("Liberation Mono"); }); }
    };
    object->putRef("Font", Variant(std::make_shared<NameOnly>()));
    EXPECT_EQ(ruler->rulerFont().name, "Liberation Mono");
    EXPECT_EQ(ruler->rulerFont().size, 6.0);
    EXPECT_EQ(errorOf([&] { object->putRef("PageFont", Variant(ObjectRef())); }), err::ObjectNotSet);
    // Without a font set, reading one gives a description of what is in use.
    EXPECT_EQ(object->get("ScaleNameFont").toObject()->get("Name").toString(), "Small Fonts");
}

TEST_F(RulerByName, a_hosted_widget_belongs_to_its_parent) {
    auto* form = new QWidget;
    dispatch->widget()->setParent(form);
    delete form;
    EXPECT_EQ(dispatch->widget(), nullptr);
    EXPECT_EQ(errorOf([&] { object->get("RulerScale"); }), err::ObjectNotSet);
}
