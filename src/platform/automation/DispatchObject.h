#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"

#include <functional>
#include <string>
#include <type_traits>
#include <unordered_map>

namespace kelvppvw {

// A Dispatch whose members are declared in a few lines, typically in the
// constructor:
//
//   field("DrwHwnd", hwnd_);                       // property bound to a member
//   property("Count", [this] { return Variant(n); });
//   method("PrintDataObjText", [this](Args& a) { ...; return Variant(); });
//
// A method is also reachable as a property get (a call without parentheses),
// and a property get with arguments is how indexed properties are read.
class DispatchObject : public Dispatch {
public:
    Variant invoke(std::string_view name, InvokeKind kind, Args& args) override;
    bool hasMember(std::string_view name) const;

protected:
    using Getter = std::function<Variant(Args&)>;
    using Setter = std::function<void(Args&, const Variant&)>;
    using Method = std::function<Variant(Args&)>;

    void property(std::string name, std::function<Variant()> get,
                  std::function<void(const Variant&)> put = nullptr);
    // An object property assigned by reference (Set x.Prop = obj) and, where
    // allowed, by value.
    void objectProperty(std::string name, std::function<Variant()> get,
                        std::function<void(const Variant&)> putRef);
    void writeOnlyProperty(std::string name, std::function<void(const Variant&)> put);
    void indexedProperty(std::string name, Getter get, Setter put = nullptr);
    void method(std::string name, Method fn);

    template <class T>
    void field(std::string name, T& member) {
        property(std::move(name), [&member] { return Variant(member); },
                 [&member](const Variant& v) { member = convert<T>(v); });
        if constexpr (std::is_same_v<T, Variant> || std::is_same_v<T, ObjectRef>) {
            members_[lower(lastName_)].putRef = [&member](Args&, const Variant& v) { member = convert<T>(v); };
        }
    }

    template <class T>
    static T convert(const Variant& v) {
        if constexpr (std::is_same_v<T, bool>) return v.toBool();
        else if constexpr (std::is_same_v<T, uint8_t>) return v.toByte();
        else if constexpr (std::is_same_v<T, int16_t>) return v.toInteger();
        else if constexpr (std::is_same_v<T, int32_t>) return v.toLong();
        else if constexpr (std::is_same_v<T, float>) return v.toSingle();
        else if constexpr (std::is_same_v<T, double>) return v.toDouble();
        else if constexpr (std::is_same_v<T, std::string>) return v.toString();
        else if constexpr (std::is_same_v<T, Variant>) return v;
        else if constexpr (std::is_same_v<T, ObjectRef>) return v.toObject();
        else static_assert(sizeof(T) == 0, "no conversion from Variant to this type");
    }

private:
    struct Member {
        Getter get;
        Setter put;
        Setter putRef;
        Method call;
    };
    static std::string lower(std::string_view s);
    Member& declare(std::string name);

    std::unordered_map<std::string, Member> members_;
    std::string lastName_;
};

} // namespace kelvppvw
