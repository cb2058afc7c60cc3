#pragma once
// Drives real dialogs from a test with window messages, in this process (the
// dialog running modally on a thread of its own, see ModalThread) or in
// another process (see ChildProcess). Every wait has a time-out; every text
// is Shift-JIS (code page 932) in both directions, also across processes.
//
// Clicks are posted, never sent: a click whose handler opens a modal box
// must not block the test, which then has to find and answer that box.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "win/Handle.h"

namespace ui {

constexpr DWORD kTimeout = 10000;

// The id of the text control of a message box.
constexpr int kMessageBoxTextId = 65535;
// The caption of a message box that was given none.
extern const char kDefaultBoxCaption[];

// Polls the condition every few milliseconds until it holds or the time is
// up; answers whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeout);

// A visible top-level window of the process whose caption is exactly the
// text, or null.
HWND FindDialog(const std::string& caption, DWORD processId = ::GetCurrentProcessId());
// FindDialog, waiting for it up to the time-out; null when it never came.
HWND WaitForDialog(const std::string& caption, DWORD processId = ::GetCurrentProcessId(),
                   DWORD timeoutMs = kTimeout);
// Waits until the window is destroyed or hidden.
bool WaitForClose(HWND window, DWORD timeoutMs = kTimeout);

// Waits until the thread of a window of this process has taken every
// message posted to it before this call (a marker posted behind them comes
// through its message loop). For checks that something did not happen.
bool Flush(HWND window, DWORD timeoutMs = kTimeout);

// The icon a message box of this process shows (compare with LoadIcon(0,
// IDI_INFORMATION) and the like), or null.
HICON GetMessageBoxIcon(HWND box);

// A message box: waits for it, answers its text and closes it with its
// first button (OK). Empty text when no such box came.
std::string DismissMessageBox(const std::string& caption, DWORD processId = ::GetCurrentProcessId(),
                              DWORD timeoutMs = kTimeout);

// Posts BM_CLICK to the control: a push button is pressed, an automatic
// check box toggles, and the dialog gets BN_CLICKED as from the mouse.
void Click(HWND dialog, int id);
// Posts WM_COMMAND with the id and no control, as the dialog manager does
// for Enter (IDOK) and Esc (IDCANCEL).
void Command(HWND dialog, int id);
// Posts a system command (WM_SYSCOMMAND), such as an item of the system menu.
void SysCommand(HWND dialog, WPARAM command);

// Sets the text of a control without notifying anyone (WM_SETTEXT).
void SetText(HWND dialog, int id, const std::string& text);
// Types into an editable combo: the text is replaced and the dialog gets
// CBN_EDITCHANGE as if the user had typed it.
void TypeText(HWND dialog, int id, const std::string& text);
// Selects a combo entry and reports it as picked by the user (CBN_SELCHANGE).
void PickComboItem(HWND dialog, int id, int index);

std::string GetText(HWND window);
std::string GetItemText(HWND dialog, int id);
int GetCheck(HWND dialog, int id);
bool IsItemEnabled(HWND dialog, int id);
bool IsItemVisible(HWND dialog, int id);
// The id of the dialog's control that holds the keyboard focus (for a combo,
// also when its edit field has it), or 0.
int GetFocusedItem(HWND dialog);

std::vector<std::string> GetComboItems(HWND dialog, int id);
int GetComboSel(HWND dialog, int id);
std::vector<std::string> GetListItems(HWND dialog, int id);

// Runs a modal dialog (or any function that shows one) on a thread of its
// own, so that the test thread can drive it. The destructor closes what the
// thread still shows (IDCANCEL to each of its windows) and joins it.
class ModalThread {
public:
    explicit ModalThread(std::function<INT_PTR()> run);
    ~ModalThread();
    ModalThread(const ModalThread&) = delete;
    ModalThread& operator=(const ModalThread&) = delete;

    // Waits for the thread to end; answers whether it did in time.
    bool Join(DWORD timeoutMs = kTimeout);
    // What the function returned (valid after Join).
    INT_PTR Result() const { return m_result; }
    DWORD ThreadId() const { return m_threadId; }
    // The thread's visible top-level window with this caption, waiting for it.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = kTimeout) const;

private:
    std::thread m_thread;
    win::Handle m_done;
    DWORD m_threadId = 0;
    INT_PTR m_result = -1;
};

// A program started for a black-box test; killed by the destructor if it
// is still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the executable with the given working folder; false on failure.
    bool Start(const std::string& exePath, const std::string& workFolder);

    DWORD Id() const { return m_id; }
    // Waits for the process to end; answers whether it did in time.
    bool WaitForExit(DWORD timeoutMs = kTimeout) const;
    DWORD ExitCode() const;

private:
    win::Handle m_process;
    DWORD m_id = 0;
};

} // namespace ui
