#pragma once
// The run's host for the real file system and message queue. What needs a
// window (confirmation, status line, log) is left to the derived host.
#include "engine/DeleteHost.h"

class CSystemHost : public IDeleteHost {
public:
    // The owner of the shell's file operation; may be null.
    explicit CSystemHost(HWND owner) : m_owner(owner) {}

    int ListFiles(const std::string& pattern, NameList& names, NameList& refused) override;
    int ListSubfolders(NameList& names, const std::string& folder, NameList& refused) override;
    int FileExists(const std::string& pattern) override;
    bool IsEnterableFolder(const std::string& path) override;
    DWORD RemoveFile(const std::string& path) override;
    int RecycleFile(const std::string& path) override;
    void RemoveFolder(const std::string& path) override;
    void Pause(DWORD milliseconds) override;
    void PumpMessage() override;

private:
    HWND m_owner;
};
