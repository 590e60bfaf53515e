#pragma once

#include "platform/forms/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kelvppvw {

class Panel;

// A bar of numbered text panels, aligned to the bottom of its host unless
// Align says otherwise.
class StatusBar : public Control {
public:
    StatusBar();
    ~StatusBar() override;

    std::shared_ptr<Panel> AddPanel(std::string key = {}, std::string text = {});
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // 1-based; raises 35600 outside.
    Panel& Panels(int index) const;

    std::function<void(int16_t button, int16_t shift, float x, float y)> onMouseDown;

    // For Panel and the native bar.
    void panelChanged(Panel& panel);
    void nativeMouseDown(int16_t button, int16_t shift, double px, double py);
    void layoutPanels();

private:
    struct Natives;
    std::unique_ptr<Natives> natives_;
    std::vector<std::shared_ptr<Panel>> panels_;
};

} // namespace kelvppvw
