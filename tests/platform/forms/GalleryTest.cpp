#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ComponentHost.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/Panel.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/Shape.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/ToolbarButton.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QWidget>

#include <iostream>

using namespace kelvppvw;

namespace {

// Pixels in r that differ from its first pixel: a control that drew
// something (text, a frame, a thumb) is never one flat colour.
int varied(const QImage& image, const QRect& r) {
    const QRgb first = image.pixel(r.topLeft());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixel(x, y) != first;
    return n;
}

class RulerAdapter : public DispatchObject {
public:
    RulerAdapter() { field("RulerScale", scale); }
    int16_t scale = 1;
};

} // namespace

TEST(Gallery, a_form_with_one_control_of_each_kind_renders_offscreen) {
    auto form = NewForm<Form>();
    form->SetCaption("Gallery");
    form->Move(0, 0, 9000, 7500); // 600 x 500 pixels
    form->Load();
    form->SetBackColor(RGB(230, 230, 230));

    auto bar = form->add<Toolbar>("tlbr1");
    bar->AddButton("PrintAll", "P.A.");
    bar->AddButton("sep", {}, vb::ButtonSeparator);
    bar->AddButton("zoom", "zoom", vb::ButtonDropdown)->AddButtonMenu("z100", "100%");
    auto status = form->add<StatusBar>("stbr1");
    status->AddPanel({}, "Page 1 of 3");
    status->AddPanel({}, "100%");

    auto pic = form->add<PictureBox>("picPreView"); // pixels 10..210 x 40..190
    pic->Move(150, 600, 3000, 2250);
    pic->SetAutoRedraw(true);
    pic->SetBackColor(RGB(255, 255, 255));
    pic->Print("Printed text");
    pic->Line(300, 900, 1500, 1800, RGB(0, 0, 255), LineBox::BoxFilled);
    pic->SetDrawStyle(vb::Dot);
    pic->Line(1800, 900, 2700, 1800, RGB(0, 0, 0), LineBox::Box);

    auto shape = form->add<Shape>("shpS"); // pixels 230..290 x 40..100
    shape->Move(3450, 600, 900, 900);
    shape->SetBackStyle(1);
    shape->SetBackColor(RGB(255, 0, 0));
    shape->SetBorderStyle(vb::BorderDot);
    auto line = form->add<kelvppvw::Line>("LnDot"); // row 110, x 230..290
    line->SetBorderColor(RGB(0, 160, 0));
    line->SetBorderWidth(3);
    line->SetX1(3450);
    line->SetY1(1650);
    line->SetX2(4350);
    line->SetY2(1650);
    auto image = form->add<Image>("imgMov"); // pixels 300..316 x 40..56
    image->Move(4500, 600);
    image->SetPicture(RasterPicture::filled(16, 16, RGB(255, 0, 255)));

    auto label = form->add<Label>("lblCP"); // pixels 330..450 x 40..70
    label->Move(4950, 600, 1800, 450);
    label->SetBackColor(RGB(255, 255, 0));
    label->SetCaption("Printing");
    auto text = form->add<TextBox>("txtJump");
    text->Move(4950, 1200, 1800, 360);
    text->SetText("Jump To Page");
    auto check = form->add<CheckBox>("chkRulers");
    check->Move(4950, 1650, 1800, 300);
    check->SetCaption("Rulers");
    check->SetValue(1);
    auto button = form->add<CommandButton>("cmdCanlP");
    button->Move(4950, 2100, 1800, 450);
    button->SetCaption("Cancel");

    auto frame = form->add<Frame>("fraList"); // pixels 10..210 x 200..360
    frame->Move(150, 3000, 3000, 2400);
    frame->SetCaption("Pages");
    auto list = frame->add<ListBox>("lstPage");
    list->SetMultiSelect(vb::MultiSelectExtended);
    list->Move(150, 300, 2700, 1950);
    for (int n = 1; n <= 3; ++n)
        list->AddItem("Page " + std::to_string(n));
    list->SetListIndex(0);

    auto hsc = form->add<ScrollBar>("hscPV", ScrollBar::Orientation::Horizontal); // 230..410 x 200..217
    hsc->Move(3450, 3000, 2700, 255);
    hsc->SetMax(100);
    hsc->SetValue(50);
    auto vsc = form->add<ScrollBar>("vscPV", ScrollBar::Orientation::Vertical); // 430..447 x 200..340
    vsc->Move(6450, 3000, 255, 2100);
    auto timer = form->add<Timer>("tmrMovie");
    timer->SetInterval(50);

    auto* ruler = new QWidget(); // stands in for the ruler component
    ruler->setAutoFillBackground(true);
    ruler->setPalette(QPalette(QColor(0, 200, 200)));
    auto host = form->add<ComponentHost>("picRuler", ruler, std::make_shared<RulerAdapter>()); // 230..410 x 240..260
    host->Move(3450, 3600, 2700, 300);

    form->Show();
    const QImage shot = form->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = QStringLiteral(KELVPPVW_ARTEFACT_DIR);
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/forms-gallery.png");
    ASSERT_TRUE(shot.save(path));
    std::cout << "gallery: " << path.toStdString() << std::endl;

    ASSERT_EQ(shot.size(), QSize(600, 500));
    // The picture box: its persistent drawing inside a two-pixel border.
    EXPECT_EQ(shot.pixel(12 + 40, 40 + 2 + 80), qRgb(0, 0, 255));
    EXPECT_EQ(shot.pixel(12 + 150, 40 + 2 + 80), qRgb(255, 255, 255));
    int dots = 0;
    for (int x = 12 + 125; x < 12 + 175; ++x)
        dots += shot.pixel(x, 40 + 2 + 60) == qRgb(0, 0, 0);
    EXPECT_GT(dots, 15);
    EXPECT_LT(dots, 40);
    EXPECT_GT(varied(shot, QRect(12, 42, 120, 14)), 10); // the printed line
    // Windowless controls on the form.
    EXPECT_EQ(shot.pixel(260, 70), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(260, 110), qRgb(0, 160, 0));
    EXPECT_EQ(shot.pixel(308, 48), qRgb(255, 0, 255));
    // Windowed controls, each with its own drawing.
    EXPECT_EQ(shot.pixel(445, 65), qRgb(255, 255, 0));
    EXPECT_GT(varied(shot, QRect(330, 40, 120, 30)), 10);  // label text
    EXPECT_GT(varied(shot, QRect(330, 80, 120, 24)), 10);  // text box
    EXPECT_GT(varied(shot, QRect(330, 110, 120, 20)), 10); // check box
    EXPECT_GT(varied(shot, QRect(330, 140, 120, 30)), 10); // button
    EXPECT_GT(varied(shot, QRect(10, 200, 200, 160)), 50); // frame with the list
    EXPECT_GT(varied(shot, QRect(230, 200, 180, 17)), 10); // horizontal bar
    EXPECT_GT(varied(shot, QRect(430, 200, 17, 140)), 10); // vertical bar
    EXPECT_EQ(shot.pixel(300, 250), qRgb(0, 200, 200));    // hosted component
    EXPECT_GT(varied(shot, QRect(0, 0, 600, 38)), 50);     // toolbar
    EXPECT_GT(varied(shot, QRect(0, 476, 600, 24)), 50);   // status bar
    // Outside every control the form's own colour shows.
    EXPECT_EQ(shot.pixel(520, 300), qRgb(230, 230, 230));
    form->Unload();
}
