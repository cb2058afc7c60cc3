#pragma once
// What the folder tree asks of the disk: subfolder names, whether a folder
// is there, and volume serials. Texts are Shift-JIS.
#include <windows.h>

#include <string>

#include "fsutil/Listing.h"

// The serial of a volume that cannot be read (no medium, no drive).
constexpr DWORD kNoSerial = 0xFFFFFFFF;

// The folder with a backslash between it and a name (none when it already
// ends in one, as a drive root does).
std::string JoinPath(const std::string& folder, const std::string& name);
// Appends the names of the folder's subfolders, hidden and system ones
// included, "." and ".." not; false when the folder cannot be listed.
bool ListFolderNames(const std::string& folder, NameList& names);
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
// ASCII letters of single-byte characters in upper case; double-byte
// characters stay as they are.
std::string MakeUpperMbcs(const std::string& text);
// Cuts the first name off a relative path ("Sub\Deeper" gives "Sub" and
// leaves "Deeper"); a trail byte 0x5C is not taken for a backslash.
std::string TakeFirstName(std::string& rest);
// "A:\" for 0 up to "Z:\" for 25.
std::string DriveRoot(int nDrive);
// 0 for a path on drive A up to 25 for Z; -1 when it starts with no letter.
int DriveIndex(const std::string& path);
