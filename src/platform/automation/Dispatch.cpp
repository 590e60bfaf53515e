#include "platform/automation/Dispatch.h"

namespace kelvppvw {

Variant Dispatch::get(std::string_view name) {
    Args none;
    return invoke(name, InvokeKind::Get, none);
}

Variant Dispatch::get(std::string_view name, Args args) { return invoke(name, InvokeKind::Get, args); }

void Dispatch::put(std::string_view name, Variant value) {
    Args args{std::move(value)};
    invoke(name, InvokeKind::Put, args);
}

void Dispatch::putRef(std::string_view name, Variant value) {
    Args args{std::move(value)};
    invoke(name, InvokeKind::PutRef, args);
}

Variant Dispatch::call(std::string_view name, Args& args) { return invoke(name, InvokeKind::Method, args); }

} // namespace kelvppvw
