#pragma once
// Shaping of path texts. Texts are Shift-JIS: a double-byte character whose
// trail byte is 0x5C is one character and never a backslash.
#include <windows.h>

#include <string>

// Longest path, in bytes, that the platform's A functions accept.
constexpr size_t kMaxPathLength = 259;
// The search's wildcards ("<", ">" and '"' are Windows' own); no name holds one.
constexpr char kWildcards[] = "*?<>\"";

// "C" becomes "C:\"; a text with a backslash inside that does not end in one
// gets one; a text without any backslash is left alone.
void AddBackslash(std::string& path);
// Removes one trailing backslash from a text longer than 3 bytes.
void RemoveBackslash(std::string& path);
// True when the last character is the single-byte backslash.
bool EndsWithBackslash(const std::string& path);
// Drive and directory of a path: C:\dir\file.txt gives C:\dir\.
std::string GetFolderPart(const std::string& path);
// The path with its name's extension, from the name's last dot on, replaced
// by the given one (".HLP"); a name without a dot gets it added.
std::string ReplaceExtension(const std::string& path, const char* extension);
// The running executable's full path, of any length, as the file system
// holds it; empty on failure.
std::wstring GetWideModulePath();
// The same in the code page; empty on failure or when the code page cannot
// hold it exactly.
std::string GetModulePath();
// The running executable's folder, ending in a backslash; empty as
// GetModulePath is.
std::string GetModuleFolder();
