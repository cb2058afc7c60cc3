#pragma once
// A folder handed to the program from outside: dropped on the main window,
// or named on its command line (Explorer's Send To starts it so).
#include <string>

struct HandedFolder {
    bool bTaken;         // else strText says why the folder field stays
    std::string strText; // the folder field's new text, or the warning
};

// A folder gives itself with a trailing backslash, as the tree gives it; a
// file gives its folder; a path that is not there is taken as typed, for the
// run to check. A relative path is taken from the current directory. A path
// the code page cannot hold exactly, or one past the platform's limit, is
// refused.
HandedFolder TakeHandedPath(const std::wstring& path);

// The first argument of a command line; empty when there is none.
std::wstring FirstArgument(const wchar_t* commandLine);
