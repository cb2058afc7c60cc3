#include "TestFolder.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <stdexcept>

#include "win/Handle.h"

namespace {

// The path for the W functions, past the A functions' length limit.
std::wstring LongPath(const std::string& path)
{
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size())) - 1));
    return L"\\\\?\\" + wide;
}

std::string UnixName(const std::wstring& longPath)
{
    using GetUnixName = char*(CDECL*)(const WCHAR*);
    const auto unixName = reinterpret_cast<GetUnixName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName(longPath.c_str() + 4);
    const std::string result = name ? name : "";
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

} // namespace

std::string UnixPath(const std::string& path) { return "'" + UnixName(LongPath(path)) + "'"; }

// Wine cannot wait for a Linux program: the command leaves a mark when done.
void RunLinux(const std::string& command)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string mark = temp + ("purgox-" + std::to_string(::GetCurrentProcessId()) + ".done");
    std::string commandLine = "/bin/sh -c \"" + command + "; touch " + UnixPath(mark) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    const win::Handle thread(process.hThread), child(process.hProcess);
    for (int wait = 0; wait < 60000 && !PathExists(mark); ++wait)
        ::Sleep(10);
    ::DeleteFileA(mark.c_str());
}

TestFolder::TestFolder(const std::string& parent)
{
    static int counter = 0;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    m_path = (parent.empty() ? temp : parent) + "purgox-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++counter);
    // Wine reuses process ids: a killed run may have left the folder.
    RemoveTree(m_path);
    if (!::CreateDirectoryA(m_path.c_str(), nullptr))
        throw std::runtime_error("cannot create " + m_path);
}

TestFolder::~TestFolder() { RemoveTree(m_path); }

std::string TestFolder::operator/(const std::string& relative) const { return m_path + "\\" + relative; }

std::string TestFolder::MakeFile(const std::string& relative, const std::string& content) const
{
    const std::string path = *this / relative;
    ::SHCreateDirectoryExA(nullptr, path.substr(0, path.rfind('\\')).c_str(), nullptr);
    WriteBytes(path, content);
    return path;
}

std::string TestFolder::MakeFolder(const std::string& relative) const
{
    const std::string path = *this / relative;
    ::SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return path;
}

bool MakeWide(const std::string& folder, const std::wstring& name)
{
    const std::wstring path = LongPath(folder) + L"\\" + name;
    if (name.back() == L'\\')
        return ::CreateDirectoryW(path.c_str(), nullptr);
    return bool(win::Handle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
}

bool MakeLink(const std::string& target, const std::string& link)
{
    RunLinux("ln -s " + UnixPath(target) + " " + UnixPath(link));
    return PathExists(link);
}

std::string TestDriveFolder(const std::string& kind)
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    std::string folder = module;
    for (int up = 0; up < 3; ++up)
        folder.erase(folder.rfind('\\'));
    return folder + "\\test-drives\\" + kind;
}

std::string TakeFromTrash(const std::string& name)
{
    char data[MAX_PATH] = {};
    ::GetEnvironmentVariableA("XDG_DATA_HOME", data, MAX_PATH);
    std::string trash = std::string("Z:") + data + "/Trash/";
    std::replace(trash.begin(), trash.end(), '/', '\\');
    const std::string content = ReadBytes(trash + "files\\" + name);
    ::DeleteFileA((trash + "files\\" + name).c_str());
    ::DeleteFileA((trash + "info\\" + name + ".trashinfo").c_str());
    return content;
}

bool PathExists(const std::string& path)
{
    return ::GetFileAttributesW(LongPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path)
{
    const win::Handle file(
        ::CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::string content(file ? ::GetFileSize(file.Get(), nullptr) : 0, '\0');
    DWORD read = 0;
    ::ReadFile(file.Get(), &content[0], static_cast<DWORD>(content.size()), &read, nullptr);
    return content.substr(0, read);
}

void WriteBytes(const std::string& path, const std::string& content)
{
    const win::Handle file(::CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

// From the Linux side, which minds no links, long paths, names or attributes.
void RemoveTree(const std::string& path)
{
    if (PathExists(path))
        RunLinux("rm -rf " + UnixPath(path));
}
