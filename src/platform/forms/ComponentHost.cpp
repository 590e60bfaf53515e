#include "platform/forms/ComponentHost.h"

#include <QWidget>

namespace kelvppvw {

ComponentHost::ComponentHost(QWidget* widget, ObjectRef adapter) : adapter_(std::move(adapter)) {
    if (!widget)
        throw AutomationError(err::ObjectNotSet);
    setWidget(widget);
}

Variant ComponentHost::invoke(std::string_view name, InvokeKind kind, Args& args) {
    if (hasMember(name) || !adapter_)
        return DispatchObject::invoke(name, kind, args);
    return adapter_->invoke(name, kind, args);
}

} // namespace kelvppvw
