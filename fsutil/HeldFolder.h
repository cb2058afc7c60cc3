#pragma once
// A folder held open while the run works in it: checked on the object it
// opened, listed through that object, and shared for reading and writing
// but not for deletion, so that no other program can rename, remove or
// replace it until it is let go.
#include <windows.h>

#include <string>
#include <vector>

#include "win/Handle.h"

// One entry of a folder, named as the file system holds it.
struct FolderEntry {
    std::wstring strName;
    DWORD dwAttributes;
};
using FolderEntries = std::vector<FolderEntry>;

// The start folder is taken as the user named it, links and attributes
// included; a subfolder must be a plain folder the walk may enter.
enum class FolderKind { Start, Subfolder };

class CHeldFolder {
public:
    CHeldFolder() = default;
    // Opens the folder at a wide path ("\\?\" form) and checks it; an empty
    // hold when it is not there, not a folder, or not one to enter.
    static CHeldFolder Hold(const std::wstring& path, FolderKind kind);

    explicit operator bool() const { return m_handle.IsValid(); }
    // Every entry, files and subfolders together, in the file system's
    // order, "." and ".." left out; what could be read of a folder that
    // fails.
    FolderEntries List() const;

private:
    explicit CHeldFolder(win::Handle handle) : m_handle(std::move(handle)) {}

    win::Handle m_handle;
};
