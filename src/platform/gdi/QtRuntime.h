#pragma once
// Fonts and screen metrics need a Qt GUI application. Hosts normally have one;
// command-line tools, tests and the fuzz target may not.
namespace kelvppvw::gdi {

class QtRuntime {
public:
    // Creates an application object (offscreen when no display is set) when
    // the process has none; later calls do nothing.
    static void ensure();
};

} // namespace kelvppvw::gdi
