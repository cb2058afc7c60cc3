#include "engine/SystemHost.h"

#include "engine/Recycle.h"

namespace {

// A look at the queue costs as much as several deletions under Wine, and a
// click need not be taken sooner than this.
constexpr ULONGLONG kLookIntervalMs = 10;

} // namespace

CHeldFolder CSystemHost::HoldFolder(const std::wstring& path, FolderKind kind)
{
    return CHeldFolder::Hold(path, kind);
}

FolderEntries CSystemHost::ListFolder(const CHeldFolder& folder)
{
    return folder.List();
}

DWORD CSystemHost::RemoveFile(const std::wstring& path)
{
    return ::DeleteFileW(path.c_str()) ? 0 : ::GetLastError();
}

int CSystemHost::RecycleFile(const std::wstring& path)
{
    return ::RecycleFile(m_owner, path);
}

void CSystemHost::RemoveFolder(const std::wstring& path)
{
    ::RemoveDirectoryW(path.c_str());
}

void CSystemHost::Pause(DWORD milliseconds)
{
    ::Sleep(milliseconds);
}

void CSystemHost::PumpMessages(bool now)
{
    const ULONGLONG tick = ::GetTickCount64();
    if (!now && tick - m_lastLookMs < kLookIntervalMs)
        return;
    m_lastLookMs = tick;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
