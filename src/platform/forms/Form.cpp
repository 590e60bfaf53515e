#include "platform/forms/Form.h"

#include "platform/forms/Application.h"
#include "platform/forms/FormWindow.h"
#include "platform/forms/ModalScript.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <cmath>

namespace kelvppvw {

struct Form::Loop {
    QEventLoop loop;
};

namespace {
int toPixels(double twips) { return static_cast<int>(roundHalfEven(twips / Form::TwipsPerPixel)); }
} // namespace

Form::Form() { registerMembers(); }

Form::~Form() {
    if (window_) {
        window_->detach();
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
    window_->setGeometry(toPixels(left_), toPixels(top_), toPixels(width_), toPixels(height_));
    Form_Load();
}

void Form::Show(int modal, const Variant& owner) {
    Load();
    if (!window_)
        return;
    if (auto ownerForm = std::dynamic_pointer_cast<Form>(owner.isObject() ? owner.toObject() : nullptr);
        ownerForm && ownerForm->widget() && ownerForm.get() != this)
        window_->setParent(ownerForm->widget(), Qt::Window);
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
        // The unload may come from inside one of the window's own handlers.
        window->deleteLater();
    }
    if (modalLoop_)
        modalLoop_->loop.quit();
    return true;
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
    if (window_)
        window_->setGeometry(toPixels(left_), toPixels(top_), toPixels(width_), toPixels(height_));
}

double Form::ScaleWidth() const { return window_ ? window_->width() * TwipsPerPixel : width_; }
double Form::ScaleHeight() const { return window_ ? window_->height() * TwipsPerPixel : height_; }

bool Form::Visible() const { return window_ && window_->isVisible(); }

QWidget* Form::widget() const { return window_; }

void Form::raiseActivate() { Form_Activate(); }

void Form::raiseResize() {
    if (window_) {
        // A user resize changes the outer size; keep the twips in step.
        width_ = window_->width() * TwipsPerPixel;
        height_ = window_->height() * TwipsPerPixel;
    }
    Form_Resize();
}

} // namespace kelvppvw
