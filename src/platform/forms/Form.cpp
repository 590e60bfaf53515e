#include "platform/forms/Form.h"

#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/FormWindow.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/StdFont.h"

#include <QAction>
#include <QCursor>
#include <QEventLoop>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <strings.h>

namespace kelvppvw {

struct Form::Loop {
    QEventLoop loop;
};

namespace {
int toPixels(double twips) { return static_cast<int>(roundHalfEven(twips / Form::TwipsPerPixel)); }
} // namespace

Form::Form() : font_(std::make_shared<StdFont>()) {
    font_->changed = [this] {
        if (window_)
            window_->setFont(toQFont(*font_));
    };
    registerMembers();
}

Form::~Form() {
    font_->changed = nullptr;
    if (window_) {
        window_->detach();
        hostWidgetGoing();
        delete window_;
    }
}

void Form::registerMembers() {
    property("Caption", [this] { return Variant(Caption()); }, [this](const Variant& v) { SetCaption(v.toString()); });
    property("Left", [this] { return Variant(Left()); }, [this](const Variant& v) { Move(v.toDouble(), top_, width_, height_); });
    property("Top", [this] { return Variant(Top()); }, [this](const Variant& v) { Move(left_, v.toDouble(), width_, height_); });
    property("Width", [this] { return Variant(Width()); }, [this](const Variant& v) { Move(left_, top_, v.toDouble(), height_); });
    property("Height", [this] { return Variant(Height()); }, [this](const Variant& v) { Move(left_, top_, width_, v.toDouble()); });
    property("ScaleWidth", [this] { return Variant(ScaleWidth()); });
    property("ScaleHeight", [this] { return Variant(ScaleHeight()); });
    property("Visible", [this] { return Variant(Visible()); },
             [this](const Variant& v) { v.toBool() ? Show() : Hide(); });
    method("Show", [this](Args& a) {
        Show(a.size() > 0 && !a[0].isMissing() ? a[0].toInteger() : 0, a.size() > 1 ? a[1] : Variant());
        return Variant();
    });
    property("KeyPreview", [this] { return Variant(keyPreview_); }, [this](const Variant& v) { keyPreview_ = v.toBool(); });
    property("BackColor", [this] { return Variant(static_cast<int32_t>(backColor_)); },
             [this](const Variant& v) { SetBackColor(static_cast<uint32_t>(v.toLong())); });
    objectProperty("Font", [this] { return Variant(font_); }, [this](const Variant& v) {
        if (auto f = v.objectAs<StdFont>())
            font_->copyFrom(*f);
        else
            throw AutomationError(err::TypeMismatch);
    });
    method("PopupMenu", [this](Args& a) {
        auto menu = a.empty() ? nullptr : a[0].objectAs<Menu>();
        if (!menu)
            throw AutomationError(err::TypeMismatch);
        PopupMenu(*menu);
        return Variant();
    });
    method("Hide", [this](Args&) {
        Hide();
        return Variant();
    });
}

void Form::raiseInitialize() {
    if (initialized_)
        return;
    initialized_ = true;
    Form_Initialize();
}

void Form::Load() {
    if (window_)
        return;
    Application::ensure();
    window_ = new FormWindow(*this, nullptr);
    window_->setWindowTitle(QString::fromStdString(caption_));
    window_->setObjectName(QString::fromStdString(name_));
    placeWindow();
    window_->setFont(toQFont(*font_));
    applyBackColor();
    hostWidgetCreated();
    layoutAligned();
    Form_Load();
}

void Form::Show(int modal, const Variant& owner) {
    Load();
    if (!window_)
        return;
    if (auto ownerForm = std::dynamic_pointer_cast<Form>(owner.isObject() ? owner.toObject() : nullptr);
        ownerForm && ownerForm->widget() && ownerForm.get() != this)
        window_->setParent(ownerForm->widget(), Qt::Window);
    if (startUpPosition_ != 0 && !window_->isVisible())
        centreOn(startUpPosition_ == 1 ? window_->parentWidget() : nullptr);
    if (!modal) {
        window_->show();
        return;
    }
    window_->setWindowModality(Qt::ApplicationModal);
    window_->show();
    if (!window_)
        return; // a Load or Activate handler unloaded the form already

    ModalMoment moment{ModalKind::Form, caption_, {}, 0, this};
    ModalAction action = ModalScript::take(moment);
    if (!action && Application::isHeadless()) {
        // Nobody can close it: the default answer of a headless run is to close.
        action = [](ModalMoment& m) {
            m.form->Unload(vb::FormControlMenu);
            return 0;
        };
    }
    Loop loop;
    modalLoop_ = &loop;
    if (action)
        QTimer::singleShot(0, [action, moment]() mutable { action(moment); });
    if (window_)
        loop.loop.exec();
    modalLoop_ = nullptr;
}

void Form::Hide() {
    if (window_)
        window_->hide();
}

bool Form::requestClose() { return Unload(vb::FormControlMenu); }

bool Form::Unload(int16_t unloadMode) {
    if (!window_)
        return true;
    int16_t cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel != 0)
        return false;
    Form_Unload(cancel);
    if (cancel != 0)
        return false;
    FormWindow* window = window_;
    window_ = nullptr;
    if (window) {
        window->detach();
        window->hide();
        hostWidgetGoing();
        // The unload may come from inside one of the window's own handlers.
        window->deleteLater();
    }
    if (modalLoop_)
        modalLoop_->loop.quit();
    return true;
}

void Form::SetFormName(std::string name) {
    name_ = std::move(name);
    if (window_)
        window_->setObjectName(QString::fromStdString(name_));
}

std::string Form::Caption() const { return caption_; }

void Form::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (window_)
        window_->setWindowTitle(QString::fromStdString(caption));
}

double Form::Left() const { return left_; }
double Form::Top() const { return top_; }
double Form::Width() const { return width_; }
double Form::Height() const { return height_; }

void Form::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0.0, width);
    height_ = std::max(0.0, height);
    if (window_) {
        placeWindow();
        layoutAligned();
    }
}

// Left and Top place the window's frame, title bar included; the size is the inner area's.
void Form::placeWindow() {
    window_->resize(toPixels(width_), toPixels(height_));
    window_->move(toPixels(left_), toPixels(top_));
}

void Form::centreOn(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : window_->screen();
    const QRect area = owner ? owner->frameGeometry() : screen ? screen->availableGeometry() : QRect();
    if (area.isEmpty())
        return;
    const QSize frame = window_->frameGeometry().size();
    QPoint at = area.center() - QPoint(frame.width() / 2, frame.height() / 2);
    // The title bar stays on the screen whatever the owner's place.
    if (screen) {
        const QRect desk = screen->availableGeometry();
        at.setX(std::max(desk.left(), std::min(at.x(), desk.right() - frame.width())));
        at.setY(std::max(desk.top(), std::min(at.y(), desk.bottom() - frame.height())));
    }
    window_->move(at);
    left_ = at.x() * TwipsPerPixel;
    top_ = at.y() * TwipsPerPixel;
}

double Form::ScaleWidth() const { return window_ ? window_->width() * TwipsPerPixel : width_; }
double Form::ScaleHeight() const { return window_ ? window_->height() * TwipsPerPixel : height_; }

bool Form::Visible() const { return window_ && window_->isVisible(); }

QWidget* Form::widget() const { return window_; }

void Form::raiseActivate() { Form_Activate(); }

void Form::raiseKeyUp(int16_t keyCode, int16_t shift) {
    if (keyCode != 0)
        Form_KeyUp(keyCode, shift);
}

void Form::raiseKeyDown(int16_t keyCode, int16_t shift) {
    if (keyCode != 0)
        Form_KeyDown(keyCode, shift);
}

QWidget* Form::hostWidget() const { return window_; }

Variant Form::invoke(std::string_view name, InvokeKind kind, Args& args) {
    if (kind == InvokeKind::Get || kind == InvokeKind::Method) {
        if (!hasMember(name)) {
            const int16_t index = args.empty() ? int16_t{-1} : args[0].toInteger();
            if (auto c = control(name, index))
                return Variant(std::static_pointer_cast<Dispatch>(c));
        }
    }
    return DispatchObject::invoke(name, kind, args);
}

void Form::SetBackColor(uint32_t color) {
    (void)toQColor(color);
    backColor_ = color;
    applyBackColor();
}

void Form::applyBackColor() {
    if (!window_)
        return;
    QPalette p = window_->palette();
    p.setColor(QPalette::Window, toQColor(backColor_));
    window_->setPalette(p);
    window_->setAutoFillBackground(true);
}

std::shared_ptr<Menu> Form::AddMenu(std::string name, std::string caption) {
    auto menu = std::make_shared<Menu>(std::move(name), std::move(caption));
    menus_.push_back(menu);
    return menu;
}

std::shared_ptr<Menu> Form::FindMenu(std::string_view name) const {
    for (const auto& m : menus_)
        if (m->Name().size() == name.size() && strncasecmp(m->Name().data(), name.data(), name.size()) == 0)
            return m;
    return nullptr;
}

void Form::PopupMenu(Menu& menu) {
    Application::ensure();
    std::vector<Menu*> shown;
    std::string captions;
    for (const auto& item : menu.Items()) {
        shown.push_back(item.get());
        captions += (captions.empty() ? "" : "\n") + item->Caption();
    }
    ModalMoment moment{ModalKind::PopupMenu, menu.Caption(), captions, 0, this};
    Menu* chosen = nullptr;
    if (ModalAction action = ModalScript::take(moment)) {
        const int pick = action(moment);
        if (pick >= 0 && pick < static_cast<int>(shown.size()))
            chosen = shown[pick];
    } else if (!Application::isHeadless()) {
        QMenu popup(window_);
        popup.setObjectName(qs(menu.Name()));
        std::vector<std::pair<QAction*, Menu*>> actions;
        for (Menu* item : shown) {
            if (!item->Visible())
                continue;
            if (item->isSeparator()) {
                popup.addSeparator();
                continue;
            }
            QAction* a = popup.addAction(qs(item->Caption()));
            a->setObjectName(qs(item->Index() < 0 ? item->Name()
                                                  : item->Name() + "(" + std::to_string(item->Index()) + ")"));
            a->setCheckable(item->Checked());
            a->setChecked(item->Checked());
            a->setEnabled(item->Enabled());
            actions.emplace_back(a, item);
        }
        QAction* picked = popup.exec(QCursor::pos());
        for (auto& [a, item] : actions)
            if (a == picked)
                chosen = item;
    }
    // Hidden, disabled and separator items cannot be chosen, scripted or not.
    if (chosen && chosen->Visible() && chosen->Enabled() && !chosen->isSeparator())
        chosen->Click();
}

void Form::raiseResize() {
    if (window_) {
        // A user resize changes the outer size; keep the twips in step.
        width_ = window_->width() * TwipsPerPixel;
        height_ = window_->height() * TwipsPerPixel;
    }
    layoutAligned();
    Form_Resize();
}

} // namespace kelvppvw
