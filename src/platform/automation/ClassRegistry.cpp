#include "platform/automation/ClassRegistry.h"

#include "platform/automation/AutomationError.h"

#include <cctype>
#include <unistd.h>

namespace kelvppvw {

ClassRegistry& ClassRegistry::instance() {
    static ClassRegistry registry;
    return registry;
}

std::string ClassRegistry::key(std::string_view name) {
    std::string k(name);
    for (char& c : k)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

void ClassRegistry::registerClass(std::string className, ClassFactory factory) {
    std::lock_guard lock(mutex_);
    classes_[key(className)] = std::move(factory);
}

bool ClassRegistry::unregisterClass(std::string_view className) {
    std::lock_guard lock(mutex_);
    return classes_.erase(key(className)) != 0;
}

bool ClassRegistry::isRegistered(std::string_view className) const {
    std::lock_guard lock(mutex_);
    return classes_.count(key(className)) != 0;
}

ClassFactory ClassRegistry::factory(std::string_view className) const {
    std::lock_guard lock(mutex_);
    const auto it = classes_.find(key(className));
    return it == classes_.end() ? ClassFactory{} : it->second;
}

std::string ClassRegistry::localMachineName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

bool ClassRegistry::isLocalMachine(std::string_view machine) {
    if (machine.empty() || machine == ".")
        return true;
    // "\\host" is the way machine names are often written.
    while (!machine.empty() && machine.front() == '\\')
        machine.remove_prefix(1);
    const std::string local = localMachineName();
    return key(machine) == key(local) || key(machine) == "localhost";
}

ObjectRef ClassRegistry::create(std::string_view className, std::string_view machine) const {
    if (!isLocalMachine(machine))
        throw AutomationError(err::RemoteServerUnavailable);
    const ClassFactory make = factory(className);
    if (!make)
        throw AutomationError(err::CannotCreateObject);
    ObjectRef object = make();
    if (!object)
        throw AutomationError(err::CannotCreateObject);
    return object;
}

} // namespace kelvppvw
