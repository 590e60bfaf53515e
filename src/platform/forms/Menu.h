#pragma once

#include "platform/automation/DispatchObject.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kelvppvw {

// A menu or menu item of a form. Items carry an index like a control array
// (mnuZoom(1) .. mnuZoom(14)); a caption of "-" makes a separator.
class Menu : public DispatchObject {
public:
    Menu(std::string name, std::string caption, int16_t index = -1);

    const std::string& Name() const { return name_; }
    int16_t Index() const { return index_; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool Checked() const { return checked_; }
    void SetChecked(bool on) { checked_ = on; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }
    bool isSeparator() const { return caption_ == "-"; }

    std::shared_ptr<Menu> AddItem(std::string name, std::string caption, int16_t index = -1);
    const std::vector<std::shared_ptr<Menu>>& Items() const { return items_; }
    // The item with this name and index; raises 340 when there is none.
    Menu& Item(const std::string& name, int16_t index) const;
    // Runs the item's Click handler.
    void Click();

    std::function<void()> onClick;

private:
    std::string name_, caption_;
    int16_t index_;
    bool checked_ = false, enabled_ = true, visible_ = true;
    std::vector<std::shared_ptr<Menu>> items_;
};

} // namespace kelvppvw
