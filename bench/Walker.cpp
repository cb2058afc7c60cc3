#include "Walker.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "BenchProcess.h"
#include "BenchTree.h"
#include "win/Handle.h"

namespace {

constexpr DWORD kNotEntered = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;

bool IsDotEntry(const std::string& name)
{
    return name == "." || name == "..";
}

// One pending message, never more, as before each pattern and each file of
// the run.
void PumpMessage()
{
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The same listing request as the program's, so that only what the program
// does besides the walk shows up as the difference.
std::vector<std::string> List(const std::string& pattern, bool folders)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    win::FindHandle find(::FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                            nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find)
        return names;
    do {
        const bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folder != folders)
            continue;
        if (folders && (IsDotEntry(entry.cFileName) || (entry.dwFileAttributes & kNotEntered)))
            continue;
        names.emplace_back(entry.cFileName);
    } while (::FindNextFileA(find.Get(), &entry));
    return names;
}

int Walk(const std::string& folder)
{
    int deleted = 0;
    for (const std::string& name : List(folder + "\\*.*", true))
        deleted += Walk(folder + "\\" + name);
    for (const std::string& pattern : kBuildPatterns) {
        PumpMessage();
        for (const std::string& name : List(folder + "\\" + pattern, false)) {
            PumpMessage();
            if (::DeleteFileA((folder + "\\" + name).c_str()))
                ++deleted;
        }
    }
    return deleted;
}

} // namespace

int RunWalker(const std::string& folder, bool withWindow)
{
    // A thread that owns a shown window pays Wine's check of the display
    // connection at every pump; the run's thread owns the main window. The
    // window ends with this process.
    if (withWindow)
        ::CreateWindowA("STATIC", "walker", WS_POPUP | WS_VISIBLE, 0, 0, 64, 16, nullptr, nullptr, nullptr, nullptr);
    const LARGE_INTEGER start = Now();
    const int deleted = Walk(folder);
    std::printf("%.3f %d\n", SecondsSince(start), deleted);
    return 0;
}
