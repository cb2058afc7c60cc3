#pragma once
#include <windows.h>

#include <functional>
#include <string>

// What the help button shows.
enum class HelpViewer {
    WinHelp, // the executable's .HLP file, through the help viewer
    Page,    // the help page, through the shell's program for it
    Missing, // neither is there: a warning names the page
};

struct HelpChoice {
    HelpViewer viewer;
    std::string path; // the file to show, or the missing page
};

// The help file (the executable's path with the extension HLP) wins when it
// exists; else the help page "Purgox.html" beside the executable.
HelpChoice ChooseHelp(const std::string& exePath, const std::function<bool(const std::string&)>& exists);

// Shows the help that ChooseHelp picks for the running executable; a missing
// page is reported in a warning owned by the given window.
void ShowHelp(HWND owner);
// Tells the help viewer that this program no longer needs it.
void QuitHelp(HWND owner);
