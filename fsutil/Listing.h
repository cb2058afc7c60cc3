#pragma once
// Listing of files and subfolders for the deletion run, and probes for files
// and folders. Names that hold path syntax go to the refused list, when one
// is given, and never to the names.
#include <cstdint>
#include <string>

#include "fsutil/Find.h"

// Nonzero when the first entry matching the pattern is a file.
int FileExists(const std::string& pattern);
// Empties the lists and fills them with the names of the files (not folders)
// whose own names match the pattern (such as C:\dir\*.tmp); returns their
// number.
int ListFiles(const std::string& pattern, NameList& names, NameList* refused = nullptr);
// Appends the names of the folder's subfolders that the deletion walk may
// enter; returns the list's size.
int ListSubfolders(NameList& names, const std::string& folder, NameList* refused = nullptr);
// Nonzero for a folder the walk may enter: not hidden, system or temporary,
// and not a link to somewhere else (junction, symbolic link, mount point).
int IsListedFolderAttr(std::uint32_t attributes);
// The same test made on the folder itself, at the moment it is entered.
bool IsEnterableFolder(const std::string& path);
