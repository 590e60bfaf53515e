#pragma once

#include "platform/forms/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kelvppvw {

class ButtonMenu;
class ImageList;
class ToolbarButton;

// A row of keyed buttons (push, check, group, separator, drop-down with a
// menu) with images from image lists. Aligned to the top of its host unless
// Align says otherwise.
class Toolbar : public Control {
public:
    Toolbar();
    ~Toolbar() override;

    // 0 standard (raised buttons), 1 flat.
    int16_t Style() const { return style_; }
    void SetStyle(int16_t style);
    void SetImageList(std::shared_ptr<ImageList> images);
    void SetHotImageList(std::shared_ptr<ImageList> images);
    std::shared_ptr<ImageList> ImageListObject() const { return images_; }
    // The width of every button in twips (a drop-down button adds its arrow);
    // 0 lets each button fit its caption, so a caption change moves the rest.
    double ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(double twips);

    // Raises 35602 for a key that is taken.
    std::shared_ptr<ToolbarButton> AddButton(std::string key, std::string caption = {}, int16_t style = 0,
                                             const Variant& image = {});
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    // By key (exact) or 1-based index; raise 35601 / 35600 when there is none.
    ToolbarButton& Button(const std::string& key) const;
    ToolbarButton& ButtonAt(int index) const;
    const std::vector<std::shared_ptr<ToolbarButton>>& Buttons() const { return buttons_; }

    std::function<void(ToolbarButton&)> onButtonClick;
    std::function<void(ButtonMenu&)> onButtonMenuClick;

    // For ToolbarButton and ButtonMenu.
    void rebuild();
    void buttonChanged(ToolbarButton& button);
    void releaseGroupOf(ToolbarButton& button);
    // Runs a click as the user's: toggles check and group buttons, then ButtonClick.
    void clickFromNative(ToolbarButton& button);
    void menuClickFromNative(ButtonMenu& menu);

private:
    void keepButtonsApart();

    struct Natives;
    std::unique_ptr<Natives> natives_;
    std::vector<std::shared_ptr<ToolbarButton>> buttons_;
    std::shared_ptr<ImageList> images_, hotImages_;
    int16_t style_ = 1;
    double buttonWidth_ = 0;
};

} // namespace kelvppvw
