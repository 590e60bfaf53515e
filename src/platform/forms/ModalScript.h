#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kelvppvw {

class Form;

enum class ModalKind { MessageBox, Form, PopupMenu, ColorDialog, PrinterDialog };

// One moment where the program waits for a person: a message box, a modal
// form, a pop-up menu, a colour or printer dialog.
struct ModalMoment {
    ModalKind kind = ModalKind::MessageBox;
    std::string title;
    std::string text;
    int buttons = 0;      // message box style
    Form* form = nullptr; // the modal form, when kind is Form
};

// What a test wants done at the next modal moment. For a message box the
// result is the button pressed; for a modal form the action runs once the form
// is up and usually unloads it; for menus and dialogs the result is the choice.
using ModalAction = std::function<int(ModalMoment&)>;

// Lets tests and demos answer modal moments instead of a person. Actions are
// used in the order queued. Without one, a modal moment on a headless platform
// takes its default answer, so nothing ever blocks a test run.
class ModalScript {
public:
    static void push(ModalAction action);
    static void clear();
    static bool hasPending();
    // Every modal moment met since the last clear, in order.
    static const std::vector<ModalMoment>& history();

    // For forms/ itself: records the moment and hands out the action queued for it.
    static ModalAction take(const ModalMoment& moment);
};

} // namespace kelvppvw
