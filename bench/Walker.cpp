#include "Walker.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "BenchProcess.h"
#include "win/Handle.h"

namespace {

constexpr DWORD kNotEntered =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_REPARSE_POINT;

struct Entry {
    std::wstring name;
    bool folder;
};

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                          &wide[0], static_cast<int>(wide.size()))));
    return wide;
}

// Every pending message, at most every 10 ms.
void Pump()
{
    static ULONGLONG last = 0;
    const ULONGLONG now = ::GetTickCount64();
    if (now - last < 10)
        return;
    last = now;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::vector<Entry> List(const std::wstring& folder)
{
    std::vector<Entry> entries;
    WIN32_FIND_DATAW found;
    const win::FindHandle find(::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found,
                                                  FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    for (bool more = bool(find); more; more = ::FindNextFileW(find.Get(), &found)) {
        const std::wstring name = found.cFileName;
        const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name != L"." && name != L".." && !(folder && (found.dwFileAttributes & kNotEntered)))
            entries.push_back({name, folder});
    }
    return entries;
}

// "*.ext": the name ends in ".ext", letter case aside.
bool Matches(const std::wstring& name, const std::wstring& extension)
{
    return name.size() > extension.size() &&
           ::CompareStringOrdinal(name.c_str() + name.size() - extension.size(), static_cast<int>(extension.size()),
                                  extension.c_str(), static_cast<int>(extension.size()), TRUE) == CSTR_EQUAL;
}

int Walk(const std::wstring& folder, const std::vector<std::wstring>& extensions)
{
    const std::vector<Entry> entries = List(folder);
    int deleted = 0;
    for (const Entry& entry : entries) {
        if (entry.folder)
            deleted += Walk(folder + L"\\" + entry.name, extensions);
    }
    std::vector<bool> gone(entries.size());
    for (const std::wstring& extension : extensions) {
        Pump();
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].folder || gone[i] || !Matches(entries[i].name, extension))
                continue;
            Pump();
            gone[i] = ::DeleteFileW((folder + L"\\" + entries[i].name).c_str()) != 0;
            deleted += gone[i];
        }
    }
    return deleted;
}

} // namespace

int RunWalker(const std::string& folder, const std::string& patterns, bool withWindow)
{
    // A thread that owns a shown window pays Wine's check of the display
    // connection at every look at its queue; the run's thread owns the main
    // window. The window ends with this process.
    if (withWindow)
        ::CreateWindowA("STATIC", "walker", WS_POPUP | WS_VISIBLE, 0, 0, 64, 16, nullptr, nullptr, nullptr, nullptr);
    std::vector<std::wstring> extensions;
    for (size_t start = 0, end; start < patterns.size(); start = end + 1) {
        end = patterns.find('/', start);
        end = end == std::string::npos ? patterns.size() : end;
        extensions.push_back(Wide(patterns.substr(start + 1, end - start - 1)));
    }
    const LARGE_INTEGER start = Now();
    const int deleted = Walk(L"\\\\?\\" + Wide(folder), extensions);
    std::printf("%.3f %d\n", SecondsSince(start), deleted);
    return 0;
}
