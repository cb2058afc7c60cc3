#include "fsutil/Listing.h"

#include <windows.h>

#include "fsutil/Path.h"
#include "fsutil/Wildcard.h"

namespace {

constexpr std::uint32_t kNotEntered = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_REPARSE_POINT;

bool IsDirectory(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

int FileExists(const std::string& pattern)
{
    WIN32_FIND_DATAA entry{};
    const win::FindHandle find = FindFirst(pattern, entry);
    return find && !IsDirectory(entry);
}

int ListFiles(const std::string& pattern, NameList& names, NameList* refused)
{
    names.clear();
    if (refused)
        refused->clear();
    const std::string namePattern = pattern.substr(GetFolderPart(pattern).size());
    FindNames(
        pattern,
        [&namePattern](const WIN32_FIND_DATAA& entry) {
            return !IsDirectory(entry) && MatchesPattern(entry.cFileName, namePattern);
        },
        names, refused);
    return static_cast<int>(names.size());
}

int ListSubfolders(NameList& names, const std::string& folder, NameList* refused)
{
    std::string search = folder;
    AddBackslash(search);
    search += "*.*";
    FindNames(
        search,
        [](const WIN32_FIND_DATAA& entry) { return IsDirectory(entry) && IsListedFolderAttr(entry.dwFileAttributes); },
        names, refused);
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
