#pragma once
// What the folder tree asks of the disk: subfolder names, whether a folder
// is there, and volume serials. A folder counts whatever its hidden and
// system attributes; "." and ".." never do, nor a name that the code page
// does not hold exactly (it would become another name, path syntax or a
// wildcard), which is never shown or joined.
#include <windows.h>

#include <string>

#include "fsutil/Find.h"

// The serial of a volume that cannot be read (no medium, no drive).
constexpr DWORD kNoSerial = 0xFFFFFFFF;

// Appends the names of the folder's subfolders; false when the folder
// cannot be listed.
bool ListFolderNames(const std::string& folder, NameList& names);
// Drops the names whose path below the folder passes the platform's limit:
// such a folder could be neither selected nor opened.
void DropOverlongNames(const std::string& folder, NameList& names);
// True as soon as the folder shows one subfolder; false when it has none or
// cannot be listed.
bool HasSubfolders(const std::string& path);
// True when the path (relative ones too) names an existing folder.
bool FolderExists(const std::string& path);
// A drive root (three characters) counts as a folder without a look at the
// disk; any other path must name an existing folder.
bool IsFolderPath(const std::string& path);
// The volume serial of the root, or kNoSerial.
DWORD GetVolumeSerial(const std::string& root);
