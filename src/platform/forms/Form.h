#pragma once

#include "platform/automation/DispatchObject.h"

#include <memory>
#include <string>

class QWidget;

namespace kelvppvw {

class FormWindow;

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
// Create forms with NewForm<T>() so that Form_Initialize runs.
class Form : public DispatchObject {
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

    // For forms/ itself and for tests that look at pixels: the native window.
    QWidget* widget() const;

    // Called by the native window.
    void raiseInitialize();
    void raiseActivate();
    void raiseResize();
    bool requestClose();

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

private:
    void registerMembers();

    FormWindow* window_ = nullptr;
    struct Loop;
    Loop* modalLoop_ = nullptr;
    std::string caption_;
    double left_ = 0, top_ = 0, width_ = 9600, height_ = 7200;
    bool initialized_ = false;
};

template <class T, class... A>
std::shared_ptr<T> NewForm(A&&... args) {
    auto form = std::make_shared<T>(std::forward<A>(args)...);
    form->raiseInitialize();
    return form;
}

} // namespace kelvppvw
