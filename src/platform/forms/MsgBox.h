#pragma once

#include <string>

namespace kelvppvw {

class AutomationError;

namespace vb {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace vb

// A message box; returns the button pressed. Line breaks may be CR LF.
int MsgBox(const std::string& prompt, int buttons = vb::OKOnly, const std::string& title = {});

// The error box of a procedure whose failure mode is to tell the user.
void ShowErrorBox(const AutomationError& error, const std::string& procedure, bool withLineNumber);

} // namespace kelvppvw
