#pragma once
#include <windows.h>

#include <string>

// Moves one file to the recycle bin through the shell; returns the shell's
// result, 0 on success. A folder at the path is refused.
int RecycleFile(HWND owner, const std::string& path);
