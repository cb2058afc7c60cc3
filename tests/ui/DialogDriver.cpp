#include "DialogDriver.h"

#include <atomic>
#include <chrono>
#include <memory>

namespace ui {

const char kDefaultBoxCaption[] = "エラー";

namespace {

constexpr UINT kSendTimeout = 5000;
constexpr UINT kCodePage = 932;

std::wstring Widen(const std::string& text)
{
    const int length = ::MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string Narrow(const std::wstring& wide)
{
    const int length = ::WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    if (length > 0)
        ::WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length, nullptr,
                              nullptr);
    return text;
}

// The W messages, because the A ones return raw UTF-16 across processes;
// with a time-out, so a hung dialog fails the test instead of blocking it.
LRESULT SendW(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeout, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

// Reads an item text with a length message and a text message (W).
std::string ReadItemText(HWND control, UINT lengthMessage, UINT textMessage, WPARAM index)
{
    const LRESULT length = SendW(control, lengthMessage, index);
    if (length < 0)
        return std::string();
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendW(control, textMessage, index, reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return Narrow(wide);
}

struct FindRequest {
    const std::string* caption;
    DWORD processId;
    DWORD threadId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam)
{
    auto& request = *reinterpret_cast<FindRequest*>(lParam);
    DWORD processId = 0;
    const DWORD threadId = ::GetWindowThreadProcessId(window, &processId);
    if (processId != request.processId || (request.threadId && threadId != request.threadId))
        return TRUE;
    if (!::IsWindowVisible(window) || GetText(window) != *request.caption)
        return TRUE;
    request.found = window;
    return FALSE;
}

HWND FindWindowOf(const std::string& caption, DWORD processId, DWORD threadId)
{
    FindRequest request{&caption, processId, threadId, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND WaitForWindowOf(const std::string& caption, DWORD processId, DWORD threadId, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(caption, processId, threadId)) != nullptr; }, timeoutMs);
    return found;
}

BOOL CALLBACK CancelWindow(HWND window, LPARAM)
{
    if (::IsWindowVisible(window))
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

constexpr WPARAM kFlushMarker = 0x50757267;
std::atomic<bool> g_markerSeen{false};

LRESULT CALLBACK WatchForMarker(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && message->message == WM_NULL && message->wParam == kFlushMarker)
        g_markerSeen = true;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK FindIcon(HWND child, LPARAM lParam)
{
    if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
        return TRUE;
    *reinterpret_cast<HICON*>(lParam) = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
    return FALSE;
}

} // namespace

bool Flush(HWND window, DWORD timeoutMs)
{
    const DWORD threadId = ::GetWindowThreadProcessId(window, nullptr);
    const std::unique_ptr<HHOOK__, decltype(&::UnhookWindowsHookEx)> hook(
        ::SetWindowsHookExA(WH_GETMESSAGE, WatchForMarker, nullptr, threadId), ::UnhookWindowsHookEx);
    if (!hook)
        return false;
    g_markerSeen = false;
    ::PostMessageA(window, WM_NULL, kFlushMarker, 0);
    return WaitUntil([] { return g_markerSeen.load(); }, timeoutMs);
}

HICON GetMessageBoxIcon(HWND box)
{
    HICON icon = nullptr;
    ::EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
    return icon;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        ::Sleep(5);
    }
}

HWND FindDialog(const std::string& caption, DWORD processId)
{
    return FindWindowOf(caption, processId, 0);
}

HWND WaitForDialog(const std::string& caption, DWORD processId, DWORD timeoutMs)
{
    return WaitForWindowOf(caption, processId, 0, timeoutMs);
}

bool WaitForClose(HWND window, DWORD timeoutMs)
{
    return WaitUntil([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }, timeoutMs);
}

std::string DismissMessageBox(const std::string& caption, DWORD processId, DWORD timeoutMs)
{
    const HWND box = WaitForDialog(caption, processId, timeoutMs);
    if (!box)
        return std::string();
    std::string text = GetItemText(box, kMessageBoxTextId);
    Command(box, IDOK);
    WaitForClose(box);
    return text;
}

void Click(HWND dialog, int id)
{
    ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Command(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void SysCommand(HWND dialog, WPARAM command)
{
    ::PostMessageA(dialog, WM_SYSCOMMAND, command, 0);
}

void SetText(HWND dialog, int id, const std::string& text)
{
    const std::wstring wide = Widen(text);
    SendW(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TypeText(HWND dialog, int id, const std::string& text)
{
    HWND combo = ::GetDlgItem(dialog, id);
    const std::wstring wide = Widen(text);
    SendW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
}

void PickComboItem(HWND dialog, int id, int index)
{
    HWND combo = ::GetDlgItem(dialog, id);
    SendW(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::string GetText(HWND window)
{
    const LRESULT length = SendW(window, WM_GETTEXTLENGTH);
    if (length < 0)
        return std::string();
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return Narrow(wide);
}

std::string GetItemText(HWND dialog, int id)
{
    return GetText(::GetDlgItem(dialog, id));
}

int GetCheck(HWND dialog, int id)
{
    return static_cast<int>(SendW(::GetDlgItem(dialog, id), BM_GETCHECK));
}

bool IsItemEnabled(HWND dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

bool IsItemVisible(HWND dialog, int id)
{
    return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE;
}

int GetFocusedItem(HWND dialog)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info))
        return 0;
    HWND window = info.hwndFocus;
    while (window && ::GetParent(window) != dialog)
        window = ::GetParent(window);
    return window ? ::GetDlgCtrlID(window) : 0;
}

namespace {

// Every item of a combo or list box, through its count, length and text
// messages.
std::vector<std::string> ReadItems(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage)
{
    std::vector<std::string> items;
    const LRESULT count = SendW(control, countMessage);
    for (LRESULT i = 0; i < count; ++i)
        items.push_back(ReadItemText(control, lengthMessage, textMessage, static_cast<WPARAM>(i)));
    return items;
}

} // namespace

std::vector<std::string> GetComboItems(HWND dialog, int id)
{
    return ReadItems(::GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int GetComboSel(HWND dialog, int id)
{
    return static_cast<int>(SendW(::GetDlgItem(dialog, id), CB_GETCURSEL));
}

std::vector<std::string> GetListItems(HWND dialog, int id)
{
    return ReadItems(::GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

ModalThread::ModalThread(std::function<INT_PTR()> run)
    : m_done(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    win::Handle started(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_thread = std::thread([this, &started, run = std::move(run)] {
        m_threadId = ::GetCurrentThreadId();
        ::SetEvent(started.Get());
        m_result = run();
        ::SetEvent(m_done.Get());
    });
    ::WaitForSingleObject(started.Get(), INFINITE);
}

ModalThread::~ModalThread()
{
    // A test that failed half-way leaves its dialogs open: answer them all
    // with IDCANCEL until the thread gives up.
    for (int round = 0; round < 50 && !Join(100); ++round)
        ::EnumThreadWindows(m_threadId, CancelWindow, 0);
    if (Join(0))
        m_thread.join();
    else
        m_thread.detach();
}

bool ModalThread::Join(DWORD timeoutMs)
{
    return ::WaitForSingleObject(m_done.Get(), timeoutMs) == WAIT_OBJECT_0;
}

HWND ModalThread::WaitForDialog(const std::string& caption, DWORD timeoutMs) const
{
    return WaitForWindowOf(caption, ::GetCurrentProcessId(), m_threadId, timeoutMs);
}

bool ChildProcess::Start(const std::string& exePath, const std::string& workFolder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          workFolder.c_str(), &startup, &info))
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

bool ChildProcess::WaitForExit(DWORD timeoutMs) const
{
    return ::WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

} // namespace ui
