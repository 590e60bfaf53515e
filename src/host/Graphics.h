#pragma once

#include "host/Graphic.h"
#include "host/LiveObjects.h"
#include "platform/automation/DispatchObject.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvppvw {

// The host's pictures: an ordered list numbered from 1, each item optionally
// under a key (keys compare case-insensitively). Errors are the collection's
// standard ones: 457 for a key already present, 9 for a position out of
// range, 5 for an absent key.
class Graphics : public DispatchObject {
public:
    Graphics();

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    void Add(std::shared_ptr<Graphic> g, const std::string& str_key_name = {});
    void Clear();
    std::shared_ptr<Graphic> Item(const Variant& v) const;
    void Remove(const Variant& v);

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    size_t indexOf(const Variant& v) const;
    static std::string foldKey(const std::string& key);

    std::vector<std::shared_ptr<Graphic>> items_;
    std::vector<std::optional<std::string>> keys_; // parallel to items_
    LiveObjects alive_;
};

} // namespace kelvppvw
