#pragma once
// Listing of files and subfolders, and probes for files and folders.
#include <cstdint>
#include <string>
#include <vector>

using NameList = std::vector<std::string>;

// Nonzero when the first entry matching the pattern is a file.
int FileExists(const std::string& pattern);
// Empties the list and fills it with the names of the files (not folders)
// whose own names match the pattern (such as C:\dir\*.tmp); returns their
// number.
int ListFiles(const std::string& pattern, NameList& names);
// Appends the names of the folder's subfolders that the deletion walk may
// enter; returns the list's size.
int ListSubfolders(NameList& names, const std::string& folder);
// Nonzero for a folder the walk may enter: not hidden, system or temporary,
// and not a link to somewhere else (junction, symbolic link, mount point).
int IsListedFolderAttr(std::uint32_t attributes);
// The same test made on the folder itself, at the moment it is entered.
bool IsEnterableFolder(const std::string& path);
