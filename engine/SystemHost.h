#pragma once
// The run's host for the real file system and message queue. What needs a
// window (confirmation, status line, log) is left to the derived host.
#include "engine/DeleteHost.h"

class CSystemHost : public IDeleteHost {
public:
    // The owner of the shell's file operation; may be null.
    explicit CSystemHost(HWND owner) : m_owner(owner) {}

    CHeldFolder HoldFolder(const std::wstring& path, FolderKind kind) override;
    FolderEntries ListFolder(const CHeldFolder& folder) override;
    DWORD RemoveFile(const std::wstring& path) override;
    int RecycleFile(const std::wstring& path) override;
    void RemoveFolder(const std::wstring& path) override;
    void Pause(DWORD milliseconds) override;
    void PumpMessages(bool now) override;

private:
    HWND m_owner;
    ULONGLONG m_lastLookMs = 0;
};
