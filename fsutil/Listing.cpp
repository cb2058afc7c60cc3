#include "fsutil/Listing.h"

#include <windows.h>

#include <cstring>

#include "fsutil/Path.h"
#include "fsutil/Wildcard.h"
#include "win/Handle.h"

namespace {

constexpr std::uint32_t kNotEntered = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_REPARSE_POINT;

bool IsDirectory(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Texts that do not fit the platform's path limit are never looked up: the
// A functions would refuse or cut them.
win::FindHandle FindFirst(const std::string& pattern, WIN32_FIND_DATAA& entry)
{
    if (pattern.size() > kMaxPathLength)
        return win::FindHandle();
    return win::FindHandle(::FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry,
                                              FindExSearchNameMatch, nullptr,
                                              FIND_FIRST_EX_LARGE_FETCH));
}

} // namespace

int FileExists(const std::string& pattern)
{
    WIN32_FIND_DATAA entry{};
    const win::FindHandle find = FindFirst(pattern, entry);
    return find && !IsDirectory(entry);
}

int ListFiles(const std::string& pattern, NameList& names)
{
    names.clear();
    WIN32_FIND_DATAA entry{};
    const win::FindHandle find = FindFirst(pattern, entry);
    if (!find)
        return 0;
    const std::string namePattern = pattern.substr(GetFolderPart(pattern).size());
    do {
        if (!IsDirectory(entry) && MatchesPattern(entry.cFileName, namePattern))
            names.emplace_back(entry.cFileName);
    } while (::FindNextFileA(find.Get(), &entry));
    return static_cast<int>(names.size());
}

int ListSubfolders(NameList& names, const std::string& folder)
{
    std::string search = folder;
    AddBackslash(search);
    search += "*.*";
    WIN32_FIND_DATAA entry{};
    const win::FindHandle find = FindFirst(search, entry);
    if (find) {
        do {
            if (IsDirectory(entry) && IsListedFolderAttr(entry.dwFileAttributes) &&
                !IsDotEntry(entry.cFileName))
                names.emplace_back(entry.cFileName);
        } while (::FindNextFileA(find.Get(), &entry));
    }
    return static_cast<int>(names.size());
}

int IsListedFolderAttr(std::uint32_t attributes)
{
    return (attributes & kNotEntered) == 0;
}

bool IsEnterableFolder(const std::string& path)
{
    if (path.size() > kMaxPathLength)
        return false;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           IsListedFolderAttr(attributes);
}
