#pragma once

#include "platform/automation/DispatchObject.h"
#include "platform/printer/Printer.h"

#include <memory>
#include <string>
#include <vector>

namespace kelvppvw {

// The installed printers as the print system lists them when the collection is
// taken, ordered by name. Empty when there is no printer or no reachable print
// server. Late-bound: Count, Item(index) with a 0-based index.
class Printers : public DispatchObject {
public:
    static std::shared_ptr<Printers> installed();

    int32_t count() const { return static_cast<int32_t>(names_.size()); }
    const std::vector<std::string>& names() const { return names_; }
    // Index of the queue with that name, -1 when it is not installed.
    int32_t indexOf(const std::string& deviceName) const;
    // A printer for the queue at that position, with the queue's defaults;
    // raises 9 outside 0..count-1.
    std::shared_ptr<Printer> item(int32_t index) const;

    // The names the print system offers, sorted.
    static std::vector<std::string> systemNames();
    // The system's default queue, empty when it has none.
    static std::string systemDefaultName();

private:
    explicit Printers(std::vector<std::string> names);
    std::vector<std::string> names_;
};

} // namespace kelvppvw
