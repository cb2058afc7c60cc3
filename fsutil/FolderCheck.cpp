#include "fsutil/FolderCheck.h"

#include <windows.h>

#include "fsutil/Path.h"
#include "win/Handle.h"

// Only a path from a drive's root counts: a relative text ("sub", "C:sub")
// would name a folder below whatever the current directory happens to be.
// Nor may it hold a wildcard, which no name holds: the search would find
// some other folder that matches it ("C:\Win*"). Nor end in a blank, which
// the search drops and the run's paths below the folder keep.
int IsFolder(const std::string& path)
{
    if (path.size() < 3 || path.size() > kMaxPathLength || path[1] != ':' || path[2] != '\\' ||
        path.find_first_of(kWildcards) != std::string::npos || path.back() == ' ')
        return 0;
    const std::string root = path.substr(0, 1) + ":\\";
    if (::GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR)
        return 0;
    DWORD sectors, bytes, freeClusters, clusters;
    if (!::GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &clusters))
        return 0;
    if (path.size() == 3)
        return 1;
    WIN32_FIND_DATAA entry{};
    const win::FindHandle find(::FindFirstFileA(path.c_str(), &entry));
    return find && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int CheckFolder(const std::string& path)
{
    std::string folder = path;
    RemoveBackslash(folder);
    return IsFolder(folder);
}
