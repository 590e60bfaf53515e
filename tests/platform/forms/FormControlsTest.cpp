#include "platform/automation/ErrorOf.h"
#include "platform/forms/Form.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/TextBox.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

class KeyForm : public Form {
public:
    std::vector<int> keys;

protected:
    void Form_KeyUp(int16_t& keyCode, int16_t shift) override { keys.push_back(keyCode * 10 + shift); }
};

} // namespace

TEST(FormControls, geometry_round_trips_exactly_in_twips_and_shows_at_the_nearest_pixel) {
    auto form = NewForm<Form>();
    form->Load();
    auto pic = form->add<PictureBox>("picBack");
    pic->Move(307.5, 22.5, 1000.01, 7.4);
    EXPECT_EQ(pic->Left(), 307.5);
    EXPECT_EQ(pic->Top(), 22.5);
    EXPECT_EQ(pic->Width(), 1000.01);
    EXPECT_EQ(pic->Height(), 7.4);
    const QRect r = pic->widget()->geometry();
    EXPECT_EQ(r, QRect(20, 2, 67, 0)); // 20.5 and 1.5 round to even
    pic->SetLeft(-45.0);
    EXPECT_EQ(pic->widget()->x(), -3);
    EXPECT_THROW(pic->SetWidth(-1), AutomationError);
    EXPECT_EQ(pic->Width(), 1000.01);
    form->Unload();
}

TEST(FormControls, key_preview_lets_the_form_see_keys_released_in_its_controls) {
    auto form = NewForm<KeyForm>();
    form->Load();
    form->Show();
    auto text = form->add<TextBox>("txtJump");
    // Through the application's dispatch, as the window system delivers keys.
    auto release = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(text->widget(), &event);
    };
    release(Qt::Key_Escape);
    EXPECT_TRUE(form->keys.empty());
    form->SetKeyPreview(true);
    release(Qt::Key_Escape);
    release(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(form->keys, (std::vector<int>{270, 651}));
    form->Unload();
}
