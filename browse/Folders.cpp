#include "browse/Folders.h"

#include <algorithm>

#include "browse/TreeNames.h"
#include "fsutil/Path.h"

namespace {

bool IsFolderEntry(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

bool ListFolderNames(const std::string& folder, NameList& names)
{
    return FindNames(JoinPath(folder, "*.*"), IsFolderEntry, names);
}

void DropOverlongNames(const std::string& folder, NameList& names)
{
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& name) { return JoinPath(folder, name).size() > kMaxPathLength; }),
                names.end());
}

bool HasSubfolders(const std::string& path)
{
    NameList first;
    FindNames(JoinPath(path, "*.*"), IsFolderEntry, first, nullptr, 1);
    return !first.empty();
}

bool FolderExists(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    return FindFirst(path, entry) && IsFolderEntry(entry);
}

bool IsFolderPath(const std::string& path)
{
    return path.size() == 3 || FolderExists(path);
}

DWORD GetVolumeSerial(const std::string& root)
{
    DWORD serial = 0;
    if (!::GetVolumeInformationA(root.c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))
        return kNoSerial;
    return serial;
}
