#pragma once

#include "platform/automation/DispatchObject.h"
#include "platform/forms/ControlHost.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace kelvppvw {

class FormWindow;
class Menu;
class StdFont;

namespace vb {
// Why a form is being unloaded.
inline constexpr int16_t FormControlMenu = 0; // the user closed the window
inline constexpr int16_t FormCode = 1;        // the program unloaded it
inline constexpr int16_t AppWindows = 2;
inline constexpr int16_t FormOwner = 5;
} // namespace vb

// A top-level window written the classic way: the derived class overrides the
// lifecycle events, geometry is in twips (15 per screen pixel), and a modal
// show runs a nested message loop that returns when the form unloads.
// Create forms with NewForm<T>() so that Form_Initialize runs. Child controls
// are added with add<T>(name): auto pic = form.add<PictureBox>("picBack").
class Form : public DispatchObject, public ControlHost {
public:
    static constexpr double TwipsPerPixel = 15.0;

    Form();
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and raises Form_Load; nothing when already loaded.
    void Load();
    bool IsLoaded() const { return window_ != nullptr; }
    // Modal (1) blocks until the form unloads; owner may hold another Form or nothing.
    void Show(int modal = 0, const Variant& owner = {});
    void Hide();
    // Asks Form_QueryUnload, then Form_Unload; returns false when either cancelled.
    bool Unload(int16_t unloadMode = vb::FormCode);

    // The form's name: its window's object name, for automation and tests.
    const std::string& FormName() const { return name_; }
    void SetFormName(std::string name);

    // Where Show puts the window: 0 where Left and Top say, 1 centred on the
    // owner (on the screen without one), 2 centred on the screen.
    int16_t StartUpPosition() const { return startUpPosition_; }
    void SetStartUpPosition(int16_t position) { startUpPosition_ = position; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void Move(double left, double top, double width, double height);
    // The inner (client) area in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;
    bool Visible() const;

    // The window font; controls do not inherit it.
    std::shared_ptr<StdFont> Font() const { return font_; }
    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t color);
    // With key preview the form sees key events of every control first.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // A pop-up menu of the form (not shown on a menu bar).
    std::shared_ptr<Menu> AddMenu(std::string name, std::string caption);
    std::shared_ptr<Menu> FindMenu(std::string_view name) const;
    // Shows the menu at the pointer and returns after the chosen item's Click
    // ran (or at once when nothing was chosen). A modal moment tests script:
    // the action returns the 0-based position of the item in menu.Items(),
    // anything else chooses nothing.
    void PopupMenu(Menu& menu);

    // Controls are members too: form.get("picBack"), form.get("lblCP", {3}).
    Variant invoke(std::string_view name, InvokeKind kind, Args& args) override;

    // ControlHost
    QWidget* hostWidget() const override;
    double innerWidthTwips() const override { return ScaleWidth(); }
    double innerHeightTwips() const override { return ScaleHeight(); }

    // For forms/ itself and for tests that look at pixels: the native window.
    QWidget* widget() const;

    // Called by the native window.
    void raiseInitialize();
    void raiseActivate();
    void raiseResize();
    bool requestClose();
    void raiseKeyUp(int16_t keyCode, int16_t shift);
    void raiseKeyDown(int16_t keyCode, int16_t shift);

protected:
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int16_t& cancel) { (void)cancel; }
    virtual void Form_KeyUp(int16_t& keyCode, int16_t shift) {
        (void)keyCode;
        (void)shift;
    }
    // A key pressed that the control with the focus did not use (or pressed
    // with no control focused): keys the whole window answers to.
    virtual void Form_KeyDown(int16_t& keyCode, int16_t shift) {
        (void)keyCode;
        (void)shift;
    }

private:
    void registerMembers();
    void applyBackColor();
    void placeWindow();
    void centreOn(const QWidget* owner);

    FormWindow* window_ = nullptr;
    struct Loop;
    Loop* modalLoop_ = nullptr;
    std::string caption_, name_;
    double left_ = 0, top_ = 0, width_ = 9600, height_ = 7200;
    bool initialized_ = false;
    bool keyPreview_ = false;
    int16_t startUpPosition_ = 0;
    uint32_t backColor_ = 0x8000000Fu;
    std::shared_ptr<StdFont> font_;
    std::vector<std::shared_ptr<Menu>> menus_;
};

template <class T, class... A>
std::shared_ptr<T> NewForm(A&&... args) {
    auto form = std::make_shared<T>(std::forward<A>(args)...);
    form->raiseInitialize();
    return form;
}

} // namespace kelvppvw
