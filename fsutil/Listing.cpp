#include "fsutil/Listing.h"

int FileExists(const std::string& pattern)
{
    WIN32_FIND_DATAA entry{};
    const win::FindHandle find = FindFirst(pattern, entry);
    return find && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
