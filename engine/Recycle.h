#pragma once
#include <windows.h>

#include <string>

// Why the shell cannot take the file at a wide path ("\\?\" form) to the
// recycle bin, or null when it can: the shell knows no "\\?\" paths, so a
// path of MAX_PATH characters or more, or a name that ends in a dot or a
// blank (the shell's path rules drop those and would take another file),
// stays where it is.
const char* RecycleRefusal(const std::wstring& path);

// Moves one file to the recycle bin through the shell; returns the shell's
// result, 0 on success. A folder at the path is refused.
int RecycleFile(HWND owner, const std::wstring& path);
