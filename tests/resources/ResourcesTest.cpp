// The component's own resources as the viewer reads them: every string and
// picture the id scheme promises is there with the right size. The cursors
// are checked on the page view, where the viewer sets them.
#include "platform/automation/ErrorOf.h"
#include "platform/forms/Application.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/ResourceStore.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <QImage>

namespace kelvppvw {
namespace {

namespace ids = resource_ids;

using test::errorOf;

TEST(ComponentResources, the_string_table_holds_101_to_126_without_114_and_115)
{
    const ResourceStore& store = ResourceStore::standard();
    EXPECT_EQ(store.LoadResString(ids::StrCancel), "Cancel");
    for (int id = 101; id <= 126; ++id) {
        if (id == 114 || id == 115)
            EXPECT_EQ(errorOf([&] { store.LoadResString(id); }), 326) << id;
        else
            EXPECT_FALSE(store.LoadResString(id).empty()) << id;
    }
    EXPECT_EQ(errorOf([&] { store.LoadResString(127); }), 326);
}

TEST(ComponentResources, every_toolbar_key_has_a_normal_and_a_hot_image)
{
    Application::ensure();
    for (std::string_view key : ids::ToolbarKeys) {
        const auto image = ResourceStore::standard().LoadResPicture(ids::ToolbarImageId(key));
        const auto hotImage = ResourceStore::standard().LoadResPicture(ids::HotImageId(key));
        EXPECT_EQ(image->image().size(), QSize(16, 16)) << key;
        EXPECT_EQ(hotImage->image().size(), QSize(16, 16)) << key;
        EXPECT_NE(image->image(), hotImage->image()) << key;
    }
    EXPECT_EQ(ids::ToolbarImageId("printall"), 0) << "keys are spelled exactly";
}

TEST(ComponentResources, the_no_printer_image_and_five_animation_frames_that_differ)
{
    Application::ensure();
    EXPECT_EQ(ResourceStore::standard().LoadResPicture(ids::NoPrinterImage)->image().size(), QSize(32, 32));
    QImage previous;
    for (int n = 0; n < ids::AnimationFrames; ++n) {
        const QImage frame = ResourceStore::standard().LoadResPicture(ids::AnimationFrameBase + n)->image();
        EXPECT_EQ(frame.size(), QSize(16, 16)) << n;
        EXPECT_NE(frame, previous) << "frame " << n << " moves on";
        previous = frame;
    }
    EXPECT_EQ(errorOf([] { ResourceStore::standard().LoadResPicture(ids::AnimationFrameBase + 5); }), 326);
}

} // namespace
} // namespace kelvppvw
