#include "platform/forms/ComponentHost.h"

#include "platform/forms/NativeComponent.h"

#include <QWidget>

namespace kelvppvw {

ComponentHost::ComponentHost(QWidget* widget, ObjectRef adapter) : adapter_(std::move(adapter)) {
    if (!widget)
        throw AutomationError(err::ObjectNotSet);
    setWidget(widget);
}

namespace {
QWidget* widgetOf(const ObjectRef& adapter) {
    auto* native = dynamic_cast<NativeComponent*>(adapter.get());
    if (!native)
        throw AutomationError(err::TypeMismatch);
    return native->nativeWidget();
}
} // namespace

ComponentHost::ComponentHost(ObjectRef adapter) : ComponentHost(widgetOf(adapter), adapter) {}

Variant ComponentHost::invoke(std::string_view name, InvokeKind kind, Args& args) {
    if (hasMember(name) || !adapter_)
        return DispatchObject::invoke(name, kind, args);
    return adapter_->invoke(name, kind, args);
}

} // namespace kelvppvw
