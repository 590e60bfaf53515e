#include "platform/automation/DispatchObject.h"

#include <cctype>

namespace kelvppvw {

std::string DispatchObject::lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

DispatchObject::Member& DispatchObject::declare(std::string name) {
    lastName_ = std::move(name);
    return members_[lower(lastName_)];
}

bool DispatchObject::hasMember(std::string_view name) const { return members_.count(lower(name)) != 0; }

void DispatchObject::property(std::string name, std::function<Variant()> get,
                              std::function<void(const Variant&)> put) {
    Member& m = declare(std::move(name));
    if (get)
        m.get = [get = std::move(get)](Args&) { return get(); };
    if (put)
        m.put = [put = std::move(put)](Args&, const Variant& v) { put(v); };
}

void DispatchObject::objectProperty(std::string name, std::function<Variant()> get,
                                    std::function<void(const Variant&)> putRef) {
    Member& m = declare(std::move(name));
    m.get = [get = std::move(get)](Args&) { return get(); };
    m.putRef = [putRef = std::move(putRef)](Args&, const Variant& v) { putRef(v); };
}

void DispatchObject::writeOnlyProperty(std::string name, std::function<void(const Variant&)> put) {
    Member& m = declare(std::move(name));
    m.put = [put = std::move(put)](Args&, const Variant& v) { put(v); };
}

void DispatchObject::indexedProperty(std::string name, Getter get, Setter put) {
    Member& m = declare(std::move(name));
    m.get = std::move(get);
    m.put = std::move(put);
}

void DispatchObject::method(std::string name, Method fn) { declare(std::move(name)).call = std::move(fn); }

Variant DispatchObject::invoke(std::string_view name, InvokeKind kind, Args& args) {
    const auto it = members_.find(lower(name));
    if (it == members_.end())
        throw AutomationError(err::MemberNotSupported);
    Member& m = it->second;
    switch (kind) {
    case InvokeKind::Get:
        if (m.get)
            return m.get(args);
        if (m.call)
            return m.call(args);
        break;
    case InvokeKind::Method:
        if (m.call)
            return m.call(args);
        if (m.get)
            return m.get(args);
        break;
    case InvokeKind::Put:
    case InvokeKind::PutRef: {
        if (args.empty())
            throw AutomationError(err::ArgumentNotOptional);
        Setter& setter = (kind == InvokeKind::PutRef && m.putRef) ? m.putRef : (m.put ? m.put : m.putRef);
        if (!setter)
            break;
        const Variant value = args.back();
        Args index(args.begin(), args.end() - 1);
        setter(index, value);
        return {};
    }
    }
    throw AutomationError(err::MemberNotSupported);
}

} // namespace kelvppvw
