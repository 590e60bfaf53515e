#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/forms/ControlHost.h"
#include "platform/forms/FormsErrors.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace kelvppvw {

// Controls that share a name and are told apart by index: picRuler(0), lblCP(3).
// Indexes need not be contiguous.
template <class T>
class ControlArray {
public:
    void add(int16_t index, std::shared_ptr<T> control) { items_[index] = std::move(control); }
    // Creates element index on a host (Load of a control-array element).
    template <class... A>
    std::shared_ptr<T> load(ControlHost& host, std::string name, int16_t index, A&&... args) {
        auto control = host.template addIndexed<T>(std::move(name), index, std::forward<A>(args)...);
        add(index, control);
        return control;
    }
    // Raises 340 ("Control array element does not exist") for a missing index.
    T& operator()(int16_t index) const {
        const auto it = items_.find(index);
        if (it == items_.end())
            throw AutomationError(err::ControlArrayElementMissing, "Control array element does not exist");
        return *it->second;
    }
    std::shared_ptr<T> at(int16_t index) const {
        const auto it = items_.find(index);
        return it == items_.end() ? nullptr : it->second;
    }
    bool contains(int16_t index) const { return items_.count(index) != 0; }
    int Count() const { return static_cast<int>(items_.size()); }
    int16_t LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int16_t UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::map<int16_t, std::shared_ptr<T>> items_;
};

} // namespace kelvppvw
