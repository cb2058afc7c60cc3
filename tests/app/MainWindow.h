#pragma once
// The main window run inside the test program, on a thread of its own, over
// a home folder of the test's (the settings file and the log go there).
#include <windows.h>

#include <string>
#include <vector>

#include "DialogDriver.h"

extern const char kMainCaption[];
extern const char kConfirmCaption[];
extern const char kReportCaption[];
extern const char kIdleStatus[];
extern const char kBuildTypes[];
extern const char kTempTypes[];

class MainWindow {
public:
    // home: the folder with its trailing backslash.
    explicit MainWindow(const std::string& home);

    HWND Handle() const { return m_hwnd; }
    // Waits for the dialog to end; answers whether it did in time.
    bool WaitForEnd(DWORD timeoutMs = ui::kTimeout) { return m_thread.Join(timeoutMs); }
    HWND WaitForConfirm() const { return m_thread.WaitForDialog(kConfirmCaption); }

private:
    ui::ModalThread m_thread;
    HWND m_hwnd;
};

// The lines of a text file whose lines all end in CR LF; a last line without
// it is marked "<no line end>".
std::vector<std::string> ReadLines(const std::string& path);
