#pragma once
#include <windows.h>

#include <string>

// The system's message for an error code, without its final line break; for
// a code the system has no message for, a short text holding the number.
std::string GetSystemErrorText(DWORD code);

// A warning box (beep, exclamation icon, the system's caption), owned by the
// given window.
void ShowWarning(const std::string& text, HWND owner);
