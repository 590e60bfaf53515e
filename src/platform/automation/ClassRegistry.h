#pragma once

#include "platform/automation/Dispatch.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

namespace kelvppvw {

using ClassFactory = std::function<ObjectRef()>;

// Creates objects by class name, the way a late-bound client does. Hosts
// register their classes in-process; the component registers its own public
// classes through its exported registration entry point. Class names compare
// case-insensitively.
class ClassRegistry {
public:
    static ClassRegistry& instance();

    void registerClass(std::string className, ClassFactory factory);
    bool unregisterClass(std::string_view className);
    bool isRegistered(std::string_view className) const;
    ClassFactory factory(std::string_view className) const;

    // machine empty, "." or this machine's own name: created here. Any other
    // machine raises 462; an unknown class raises 429. A factory's own error
    // reaches the caller unchanged.
    ObjectRef create(std::string_view className, std::string_view machine = {}) const;

    static std::string localMachineName();
    static bool isLocalMachine(std::string_view machine);

private:
    static std::string key(std::string_view name);
    mutable std::mutex mutex_;
    std::map<std::string, ClassFactory> classes_;
};

} // namespace kelvppvw
