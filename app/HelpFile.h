#pragma once
#include <windows.h>

#include <string>

// The help file: the executable's path with the extension HLP.
std::string GetHelpFilePath();
// Asks the help viewer to show the file at its default topic.
void ShowHelp(HWND owner);
// Tells the help viewer that this program no longer needs it.
void QuitHelp(HWND owner);
