#pragma once
// Drives real dialogs by window messages, here or in another process. Texts
// are Shift-JIS; clicks are posted, so a handler's modal box cannot block.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/Handle.h"

namespace ui {

constexpr DWORD kTimeout = 10000;
constexpr DWORD kPollMs = 5; // how often a wait looks again
constexpr int kMessageBoxTextId = 65535;
inline constexpr char kDefaultBoxCaption[] = "エラー";

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeout);
// A visible window of the process (and thread, unless 0) with this caption.
HWND WaitForDialog(const std::string& caption, DWORD processId = ::GetCurrentProcessId(), DWORD timeoutMs = kTimeout,
                   DWORD threadId = 0);
inline bool WaitForClose(HWND window)
{
    return WaitUntil([&] { return !::IsWindow(window) || !::IsWindowVisible(window); });
}
// Until the window's thread took what was posted before: for "nothing happened".
bool Flush(HWND window);
// The next message box's text (and icon, in this process); closed with OK.
std::string DismissMessageBox(const std::string& caption, DWORD processId = ::GetCurrentProcessId(),
                              HICON* icon = nullptr);

// Runs the action on the window's thread for each message it takes, while
// the probe lives. One probe at a time (Flush makes one too).
class MessageProbe {
public:
    MessageProbe(HWND window, std::function<void(const MSG&)> action);
    ~MessageProbe();
    MessageProbe(const MessageProbe&) = delete;
    MessageProbe& operator=(const MessageProbe&) = delete;

private:
    HHOOK m_hook;
};

inline void Click(HWND dialog, int id) { ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
// A command without a control, as for Enter (IDOK) and Esc (IDCANCEL).
inline void Command(HWND dialog, int id) { ::PostMessageA(dialog, WM_COMMAND, id, 0); }
inline void SysCommand(HWND dialog, WPARAM command) { ::PostMessageA(dialog, WM_SYSCOMMAND, command, 0); }
// Without notifying anyone; TypeText and PickComboItem notify as the user does.
void SetText(HWND dialog, int id, const std::string& text);
void TypeText(HWND dialog, int id, const std::string& text);
void PickComboItem(HWND dialog, int id, int index);

std::string GetItemText(HWND dialog, int id);
// The dialog's control that holds the focus (a combo also through its edit).
int GetFocusedItem(HWND dialog);
std::vector<std::string> GetComboItems(HWND dialog, int id);
std::vector<std::string> GetListItems(HWND dialog, int id);

// A modal dialog on a thread of its own, cancelled and joined at the end.
class ModalThread {
public:
    explicit ModalThread(std::function<INT_PTR()> run);
    ~ModalThread();
    ModalThread(const ModalThread&) = delete;
    ModalThread& operator=(const ModalThread&) = delete;

    bool Join(DWORD timeoutMs = kTimeout) { return ::WaitForSingleObject(m_thread.Get(), timeoutMs) == WAIT_OBJECT_0; }
    INT_PTR Result() const { return m_result; } // after Join
    HWND WaitForDialog(const std::string& caption) const
    {
        return ui::WaitForDialog(caption, ::GetCurrentProcessId(), kTimeout, m_threadId);
    }

private:
    std::function<INT_PTR()> m_run;
    INT_PTR m_result = -1;
    DWORD m_threadId = 0;
    win::Handle m_thread;
};

// A program started in the given folder, killed at the end if still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::string& exePath, const std::string& workFolder, const std::string& arguments = "");
    DWORD Id() const { return m_id; }
    bool WaitForExit(DWORD timeoutMs = kTimeout) const
    {
        return ::WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const
    {
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_process.Get(), &code);
        return code;
    }

private:
    win::Handle m_process;
    DWORD m_id = 0;
};

} // namespace ui
