#include "engine/SystemHost.h"

#include "engine/Recycle.h"

int CSystemHost::ListFiles(const std::string& pattern, NameList& names, NameList& refused)
{
    return ::ListFiles(pattern, names, &refused);
}

int CSystemHost::ListSubfolders(NameList& names, const std::string& folder, NameList& refused)
{
    return ::ListSubfolders(names, folder, &refused);
}

int CSystemHost::FileExists(const std::string& pattern)
{
    return ::FileExists(pattern);
}

bool CSystemHost::IsEnterableFolder(const std::string& path)
{
    return ::IsEnterableFolder(path);
}

DWORD CSystemHost::RemoveFile(const std::string& path)
{
    return ::DeleteFileA(path.c_str()) ? 0 : ::GetLastError();
}

int CSystemHost::RecycleFile(const std::string& path)
{
    return ::RecycleFile(m_owner, path);
}

void CSystemHost::RemoveFolder(const std::string& path)
{
    ::RemoveDirectoryA(path.c_str());
}

void CSystemHost::Pause(DWORD milliseconds)
{
    ::Sleep(milliseconds);
}

void CSystemHost::PumpMessage()
{
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
