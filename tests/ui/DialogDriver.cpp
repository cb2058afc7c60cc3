#include "DialogDriver.h"

#include <atomic>
#include <chrono>

namespace ui {

namespace {

// The W messages, converted here: the A ones return raw UTF-16 for controls
// of another process and lose long items.
std::string ReadText(HWND window, UINT lengthMessage, UINT textMessage, WPARAM index)
{
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, lengthMessage, index, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring wide(length + 1, L'\0');
    const WPARAM textParam = textMessage == WM_GETTEXT ? wide.size() : index;
    ::SendMessageTimeoutW(window, textMessage, textParam, reinterpret_cast<LPARAM>(&wide[0]), SMTO_ABORTIFHUNG, 5000,
                          &length);
    std::string text(length * 2, '\0');
    text.resize(static_cast<size_t>(::WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(length), &text[0],
                                                          static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

std::string GetText(HWND window) { return ReadText(window, WM_GETTEXTLENGTH, WM_GETTEXT, 0); }

std::vector<std::string> ReadItems(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage)
{
    std::vector<std::string> items(static_cast<size_t>(::SendMessageW(control, countMessage, 0, 0)));
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = ReadText(control, lengthMessage, textMessage, i);
    return items;
}

struct WindowSearch {
    const std::string& caption;
    DWORD processId, threadId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    const DWORD threadId = ::GetWindowThreadProcessId(window, &processId);
    if (processId != search.processId || (search.threadId && threadId != search.threadId) ||
        !::IsWindowVisible(window) || GetText(window) != search.caption)
        return TRUE;
    search.found = window;
    return FALSE;
}

// An unhooked probe may still be in its action on the window's thread: the
// action is called, set and cleared only under the lock.
SRWLOCK g_probeLock = SRWLOCK_INIT;
std::function<void(const MSG&)> g_probeAction;

void SetProbeAction(std::function<void(const MSG&)> action)
{
    ::AcquireSRWLockExclusive(&g_probeLock);
    g_probeAction = std::move(action);
    ::ReleaseSRWLockExclusive(&g_probeLock);
}

LRESULT CALLBACK RunProbe(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        ::AcquireSRWLockExclusive(&g_probeLock);
        if (g_probeAction)
            g_probeAction(*reinterpret_cast<const MSG*>(lParam));
        ::ReleaseSRWLockExclusive(&g_probeLock);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        ::Sleep(kPollMs);
    }
    return true;
}

HWND WaitForDialog(const std::string& caption, DWORD processId, DWORD timeoutMs, DWORD threadId)
{
    WindowSearch search{caption, processId, threadId, nullptr};
    WaitUntil([&] { return !::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search)) && search.found; },
              timeoutMs);
    return search.found;
}

MessageProbe::MessageProbe(HWND window, std::function<void(const MSG&)> action)
{
    SetProbeAction(std::move(action));
    m_hook = ::SetWindowsHookExA(WH_GETMESSAGE, RunProbe, nullptr, ::GetWindowThreadProcessId(window, nullptr));
}

MessageProbe::~MessageProbe()
{
    ::UnhookWindowsHookEx(m_hook);
    SetProbeAction(nullptr);
}

bool Flush(HWND window)
{
    constexpr WPARAM kMarker = 0x50757267;
    std::atomic<bool> seen{false};
    const MessageProbe probe(window, [&](const MSG& message) {
        seen = seen || (message.message == WM_NULL && message.wParam == kMarker);
    });
    return ::PostMessageA(window, WM_NULL, kMarker, 0) && WaitUntil([&] { return seen.load(); });
}

std::string DismissMessageBox(const std::string& caption, DWORD processId, HICON* icon)
{
    const HWND box = WaitForDialog(caption, processId);
    if (!box)
        return std::string();
    for (HWND picture = nullptr; icon && (picture = ::FindWindowExA(box, picture, "Static", nullptr));) {
        if ((::GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            *icon = reinterpret_cast<HICON>(::SendMessageA(picture, STM_GETICON, 0, 0));
    }
    std::string text = GetItemText(box, kMessageBoxTextId);
    Command(box, IDOK);
    WaitForClose(box);
    return text;
}

void SetText(HWND dialog, int id, const std::string& text)
{
    wchar_t wide[1024] = {};
    ::MultiByteToWideChar(932, 0, text.c_str(), -1, wide, 1024);
    DWORD_PTR ignored;
    ::SendMessageTimeoutW(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                          5000, &ignored);
}

void TypeText(HWND dialog, int id, const std::string& text)
{
    SetText(dialog, id, text);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void PickComboItem(HWND dialog, int id, int index)
{
    ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::string GetItemText(HWND dialog, int id) { return GetText(::GetDlgItem(dialog, id)); }

int GetFocusedItem(HWND dialog)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
    HWND window = info.hwndFocus;
    while (window && ::GetParent(window) != dialog)
        window = ::GetParent(window);
    return window ? ::GetDlgCtrlID(window) : 0;
}

std::vector<std::string> GetComboItems(HWND dialog, int id)
{
    return ReadItems(::GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::string> GetListItems(HWND dialog, int id)
{
    return ReadItems(::GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

ModalThread::ModalThread(std::function<INT_PTR()> run) : m_run(std::move(run))
{
    m_thread.Reset(::CreateThread(
        nullptr, 0,
        [](LPVOID self) -> DWORD {
            auto& thread = *static_cast<ModalThread*>(self);
            thread.m_result = thread.m_run();
            return 0;
        },
        this, 0, &m_threadId));
}

// A failed test leaves dialogs open; a thread that will not end is left.
ModalThread::~ModalThread()
{
    for (int round = 0; round < 50 && !Join(100); ++round)
        ::EnumThreadWindows(
            m_threadId,
            [](HWND window, LPARAM) -> BOOL {
                if (::IsWindowVisible(window))
                    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            },
            0);
}

bool ChildProcess::Start(const std::string& exePath, const std::string& workFolder, const std::string& arguments)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\" " + arguments;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          workFolder.empty() ? nullptr : workFolder.c_str(), &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    m_process.Reset(info.hProcess);
    m_id = info.dwProcessId;
    return true;
}

ChildProcess::~ChildProcess()
{
    if (m_process && !WaitForExit(0))
        ::TerminateProcess(m_process.Get(), 1);
}

} // namespace ui
