#include "host/Graphics.h"

#include "platform/automation/AutomationError.h"

#include <cctype>

namespace kelvppvw {

namespace {

// Iterates the collection for a late-bound client: Next gives the items in
// order, then Empty.
class GraphicsEnumerator : public DispatchObject {
public:
    explicit GraphicsEnumerator(std::vector<std::shared_ptr<Graphic>> items) : items_(std::move(items)) {
        method("Next", [this](Args&) {
            if (next_ >= items_.size())
                return Variant();
            return Variant(items_[next_++]);
        });
        method("Reset", [this](Args&) {
            next_ = 0;
            return Variant();
        });
    }

private:
    std::vector<std::shared_ptr<Graphic>> items_;
    size_t next_ = 0;
};

} // namespace

Graphics::Graphics() {
    property("Count", [this] { return Variant(Count()); });
    method("Add", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        auto g = a[0].objectAs<Graphic>();
        if (!g)
            throw AutomationError(err::TypeMismatch);
        Add(g, a.size() > 1 ? a[1].toString() : std::string());
        return Variant();
    });
    method("Clear", [this](Args&) {
        Clear();
        return Variant();
    });
    method("Item", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        return Variant(Item(a[0]));
    });
    method("Remove", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        Remove(a[0]);
        return Variant();
    });
    method("NewEnum", [this](Args&) { return Variant(std::make_shared<GraphicsEnumerator>(items_)); });
}

std::string Graphics::foldKey(const std::string& key) {
    std::string k = key;
    for (char& c : k)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

void Graphics::Add(std::shared_ptr<Graphic> g, const std::string& str_key_name) {
    if (!g)
        throw AutomationError(err::ObjectNotSet);
    std::optional<std::string> key;
    if (!str_key_name.empty()) {
        key = foldKey(str_key_name);
        for (const auto& k : keys_)
            if (k == key)
                throw AutomationError(err::KeyAlreadyAssociated);
    }
    items_.push_back(std::move(g));
    keys_.push_back(std::move(key));
}

void Graphics::Clear() {
    items_.clear();
    keys_.clear();
}

size_t Graphics::indexOf(const Variant& v) const {
    if (v.type() == Variant::Type::String) {
        const std::string key = foldKey(v.toString());
        for (size_t i = 0; i < keys_.size(); ++i)
            if (keys_[i] == key)
                return i;
        throw AutomationError(err::InvalidProcedureCall);
    }
    const int32_t position = v.toLong();
    if (position < 1 || position > Count())
        throw AutomationError(err::SubscriptOutOfRange);
    return static_cast<size_t>(position - 1);
}

std::shared_ptr<Graphic> Graphics::Item(const Variant& v) const { return items_[indexOf(v)]; }

void Graphics::Remove(const Variant& v) {
    const size_t i = indexOf(v);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(i));
}

} // namespace kelvppvw
