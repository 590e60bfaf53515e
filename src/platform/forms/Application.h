#pragma once

namespace kelvppvw {

// The process-wide user-interface loop the component runs in.
class Application {
public:
    // Creates the Qt application on first use when the host has none. Without
    // a display it runs on Qt's offscreen platform.
    static void ensure();
    // True when no person can answer a modal window (offscreen platform).
    static bool isHeadless();
};

// Lets pending window messages run once.
void DoEvents();
// The same, but when none is pending it first waits for one, at most
// maxMilliseconds: a wait loop built on it keeps every window live without
// spinning the processor.
void WaitForEvents(int maxMilliseconds = 100);

enum class ScreenPointer { Default, Hourglass };
// The pointer over every window of the application.
void SetScreenPointer(ScreenPointer pointer);
ScreenPointer CurrentScreenPointer();

// Sounds the system beep.
void Beep();
// How many beeps this process has sounded (a beep is the only answer some
// commands give).
int BeepCount();

} // namespace kelvppvw
