#pragma once

#include "platform/automation/Variant.h"

#include <memory>
#include <string_view>
#include <vector>

namespace kelvppvw {

// Arguments of a late-bound call. They are passed by reference: a callee may
// write an element back and the caller reads it after the call.
using Args = std::vector<Variant>;

enum class InvokeKind { Get, Put, PutRef, Method };

// An object reachable by member name at run time, case-insensitively.
// For Put and PutRef the value to assign is the last element of args.
class Dispatch : public std::enable_shared_from_this<Dispatch> {
public:
    virtual ~Dispatch() = default;

    // Raises 438 for a member the object does not have.
    virtual Variant invoke(std::string_view name, InvokeKind kind, Args& args) = 0;

    Variant get(std::string_view name);
    Variant get(std::string_view name, Args args);
    void put(std::string_view name, Variant value);
    void putRef(std::string_view name, Variant value);
    Variant call(std::string_view name, Args& args);

    template <class... A>
    Variant callWith(std::string_view name, A&&... values) {
        Args args{Variant(std::forward<A>(values))...};
        return call(name, args);
    }
};

} // namespace kelvppvw
