#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/MsgBox.h"

#include <gtest/gtest.h>

#include <QWidget>

using namespace kelvppvw;

namespace {

class TracingForm : public Form {
public:
    std::vector<std::string> events;
    int16_t lastMode = -1;

protected:
    void Form_Initialize() override { events.push_back("Initialize"); }
    void Form_Load() override { events.push_back("Load"); }
    void Form_Activate() override { events.push_back("Activate"); }
    void Form_QueryUnload(int16_t&, int16_t mode) override {
        events.push_back("QueryUnload");
        lastMode = mode;
    }
    void Form_Unload(int16_t&) override { events.push_back("Unload"); }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application::ensure();
        ModalScript::clear();
    }
};

} // namespace

TEST_F(FormTest, modal_show_runs_the_lifecycle_in_order_and_returns_after_unload) {
    auto form = NewForm<TracingForm>();
    form->SetCaption("Preview");
    bool sawWindow = false;
    ModalScript::push([&](ModalMoment& m) {
        EXPECT_EQ(m.kind, ModalKind::Form);
        EXPECT_EQ(m.title, "Preview");
        sawWindow = m.form->Visible() && m.form->widget()->windowTitle() == "Preview";
        m.form->Unload();
        return 0;
    });
    form->Show(1);
    EXPECT_TRUE(sawWindow);
    EXPECT_FALSE(form->IsLoaded());
    EXPECT_EQ(form->events,
              (std::vector<std::string>{"Initialize", "Load", "Activate", "QueryUnload", "Unload"}));
    EXPECT_EQ(form->lastMode, vb::FormCode);
}

TEST_F(FormTest, headless_modal_forms_and_boxes_take_their_default_answer) {
    ASSERT_TRUE(Application::isHeadless());
    auto form = NewForm<TracingForm>();
    form->Show(1); // returns: nobody could close it
    EXPECT_FALSE(form->IsLoaded());
    EXPECT_EQ(MsgBox("Sure?", vb::YesNo | vb::Question), vb::Yes);
    EXPECT_EQ(ModalScript::history().back().text, "Sure?");
}
