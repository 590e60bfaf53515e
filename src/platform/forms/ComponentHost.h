#pragma once

#include "platform/forms/Control.h"

namespace kelvppvw {

// A separately built control (a QWidget with a Dispatch adapter, such as the
// ruler) placed as a child control: the host gives it twips geometry and
// Visible; every member name the host does not know goes to the adapter.
class ComponentHost : public Control {
public:
    // Takes ownership of widget.
    ComponentHost(QWidget* widget, ObjectRef adapter);
    // The widget comes from the adapter, which must be a NativeComponent
    // (raises 13 otherwise).
    explicit ComponentHost(ObjectRef adapter);

    ObjectRef object() const { return adapter_; }
    Variant invoke(std::string_view name, InvokeKind kind, Args& args) override;

protected:
    // The component paints itself: colours and fonts stay its own.
    void appearanceChanged() override {}

private:
    ObjectRef adapter_;
};

} // namespace kelvppvw
