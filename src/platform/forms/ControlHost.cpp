#include "platform/forms/ControlHost.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/Control.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <strings.h>

namespace kelvppvw {

ControlHost::~ControlHost() = default;

void ControlHost::adopt(std::shared_ptr<Control> control, std::string name, int16_t index) {
    if (this->control(name, index))
        throw AutomationError(err::ObjectAlreadyLoaded, "Object already loaded");
    controls_.push_back(control);
    control->attach(this, std::move(name), index);
    if (control->Align() != 0)
        layoutAligned();
}

void ControlHost::layoutAligned() {
    double top = 0, bottom = innerHeightTwips();
    const double width = innerWidthTwips();
    for (const auto& c : controls_) {
        if (!c->Visible())
            continue;
        if (c->Align() == 1) {
            c->placeAligned(0, top, width);
            top += c->heightTwips();
        } else if (c->Align() == 2) {
            bottom -= c->heightTwips();
            c->placeAligned(0, bottom, width);
        }
    }
}

void ControlHost::remove(const Control& control) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.get() == &control; });
    if (it == controls_.end())
        return;
    auto keep = *it; // the control dies after it left the list
    controls_.erase(it);
    if (QWidget* w = keep->widget())
        w->hide();
    repaintHost();
}

std::shared_ptr<Control> ControlHost::control(std::string_view name, int16_t index) const {
    for (const auto& c : controls_) {
        if (c->Index() == index && c->Name().size() == name.size() &&
            strncasecmp(c->Name().data(), name.data(), name.size()) == 0)
            return c;
    }
    return nullptr;
}

void ControlHost::paintWindowlessChildren(QPainter& painter) const {
    for (const auto& c : controls_) {
        if (c->isWindowless() && c->Visible()) {
            painter.save();
            c->paintWindowless(painter);
            painter.restore();
        }
    }
}

void ControlHost::hostWidgetCreated() {
    for (const auto& c : controls_) {
        c->reparentNative();
        c->applyGeometry();
    }
}

void ControlHost::hostWidgetGoing() {
    // Keep the child windows alive for a later load of the host.
    for (const auto& c : controls_) {
        if (QWidget* w = c->widget()) {
            w->hide();
            w->setParent(nullptr);
        }
    }
}

void ControlHost::hostScaleChanged() {
    for (const auto& c : controls_)
        c->applyGeometry();
    repaintHost();
}

void ControlHost::repaintHost() const {
    if (QWidget* w = hostWidget())
        w->update();
}

void ControlHost::repaintHostArea(int x, int y, int width, int height) const {
    if (QWidget* w = hostWidget())
        w->update(x, y, width, height);
}

void ControlHost::reorder(const Control& control, bool toFront) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.get() == &control; });
    if (it == controls_.end())
        return;
    auto c = *it;
    controls_.erase(it);
    if (toFront)
        controls_.push_back(c);
    else
        controls_.insert(controls_.begin(), c);
    repaintHost();
}

} // namespace kelvppvw
