#include "viewer/ViewerFixture.h"

#include "host/clsPreview.h"
#include "platform/forms/MsgBox.h"

#include <cstdlib>

using namespace kelvppvw;

namespace {

// The entry around a viewer of one page on the test queue.
class PreviewEntry : public viewer_test::ProducedViewer {
protected:
    void SetUp() override {
        ProducedViewer::SetUp();
        ViewerTestReport::plan().pages = 1;
    }

    // Closes the viewer as a user would once it is up, and records what was open.
    void closeWhenShown(std::function<void(frmPrtPreview&)> look = {}) {
        ModalScript::push([look](ModalMoment& m) {
            auto* viewer = dynamic_cast<frmPrtPreview*>(m.form);
            EXPECT_NE(viewer, nullptr);
            if (viewer && look)
                look(*viewer);
            m.form->widget()->close();
            return 0;
        });
    }

    bool show(int32_t milliWait = 0) {
        return preview_->ShowPreviewDialog(ViewerTestReport::ClassName, "", true, "App", "Sect", "Prnt", "host.ini",
                                           "Report.txt", gsAppPath, "Title", "List", true, milliWait, "Setup");
    }

    std::shared_ptr<clsPreview> preview_ = std::make_shared<clsPreview>();
};

} // namespace

TEST_F(PreviewEntry, request_data_comes_before_any_value_of_the_call_is_stored) {
    gsAppName = "previous";
    gsSetupKey = "previous";
    std::string asked, appNameSeen, setupKeySeen;
    auto owner = NewForm<frmPrtPreview>();
    owner->Load();
    preview_->onRequestData([&](std::string& want) {
        asked = want;
        appNameSeen = gsAppName;
        setupKeySeen = gsSetupKey;
        preview_->gm_Me_Passer = Variant(owner); // the host names its owner window
    });
    QWidget* parentSeen = nullptr;
    closeWhenShown([&](frmPrtPreview& v) { parentSeen = v.widget()->parentWidget(); });
    ASSERT_TRUE(show());
    EXPECT_EQ(asked, "Me_Passer_Form");
    EXPECT_EQ(appNameSeen, "previous");
    EXPECT_EQ(setupKeySeen, "previous");
    EXPECT_EQ(parentSeen, owner->widget());
    owner->Unload();
}

TEST_F(PreviewEntry, clamps_the_cancel_countdown_to_100_when_out_of_range) {
    struct Case {
        int32_t given, wait, waitSet;
    };
    glMilliWaitSet = 777;
    // One of each kind: unset, negative, below, at and above either end of the range.
    const Case cases[] = {
        {0, 0, 777}, {-5, -5, 777}, {99, 100, 100}, {100, 100, 100}, {5000, 5000, 5000}, {5001, 100, 100},
    };
    for (const auto& c : cases) {
        int32_t inside = -999;
        closeWhenShown([&](frmPrtPreview& v) { inside = v.cMilling(); });
        ASSERT_TRUE(show(c.given));
        EXPECT_EQ(inside, c.wait) << c.given;
        EXPECT_EQ(glMilliWait, c.wait) << c.given;
        EXPECT_EQ(glMilliWaitSet, c.waitSet) << c.given;
    }
}

TEST_F(PreviewEntry, a_failure_shows_the_four_line_box_and_returns_false) {
    preview_->onRequestData([](std::string&) { throw AutomationError(91); });
    ModalScript::push([](ModalMoment& m) {
        EXPECT_EQ(m.kind, ModalKind::MessageBox);
        EXPECT_EQ(m.buttons & 0x70, vb::Exclamation);
        return vb::OK;
    });
    gsAppName = "stale";
    EXPECT_FALSE(show());
    ASSERT_EQ(ModalScript::history().size(), 1u);
    EXPECT_EQ(ModalScript::history()[0].text,
              "Error: 91\r\nObject variable or With block variable not set\r\nShowPreviewDialog\r\n0");
    EXPECT_EQ(gsAppName, "");
}

// A host may open the preview again from inside its own drawing call: the
// second viewer runs and closes, and the first, still drawing, survives it.
TEST_F(PreviewEntry, a_preview_opened_again_while_its_pages_are_drawn_leaves_the_first_running) {
    ViewerTestReport::plan().pages = 2;
    int depth = 0, inner = 0;
    ViewerTestReport::plan().afterPage = [&](int page) { inner = page == 1 && depth++ == 0 ? show() : inner; };
    EXPECT_TRUE(show());
    EXPECT_EQ(inner, 1) << "the second preview ran";
}

TEST(PreviewFolder, follows_the_library_unless_overridden_and_is_not_made_without_a_parent) {
    EXPECT_EQ(FolderOfModule("/usr/lib/x86_64-linux-gnu/libkelvppvw.so.1"), "/usr/lib/x86_64-linux-gnu");
    EXPECT_EQ(PreviewFolderOf(FolderOfModule("/libkelvppvw.so")), "/Preview") << "the root separator is dropped";
    unsetenv(AppPathVariable);
    EXPECT_TRUE(FileExists(ComponentFolder() + "/libkelvppvw.so")) << ComponentFolder();
    setenv(AppPathVariable, "/no/such/parent", 1);
    CreatePreviewFolder();
    EXPECT_FALSE(FileExists("/no/such/parent/Preview"));
    unsetenv(AppPathVariable);
}
