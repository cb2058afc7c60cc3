#pragma once
// The folder tree's rules for texts: how item texts make a path, how a name
// is found among siblings, and drive letters. Texts are Shift-JIS; a trail
// byte 0x5C is never taken for a backslash.
#include <string>
#include <vector>

// The folder with a backslash between it and a name (none when it already
// ends in one, as a drive root does).
std::string JoinPath(const std::string& folder, const std::string& name);
// The path of an item from its texts, drive root first ("C:\", "Windows"
// gives "C:\Windows"); a root alone is its own text.
std::string ComposeItemPath(const std::vector<std::string>& texts);
// ASCII letters of single-byte characters in upper case; double-byte
// characters stay as they are.
std::string MakeUpperMbcs(const std::string& text);
// Whether a sibling's text names the folder: blind to the case of ASCII
// letters only.
bool IsSameName(const std::string& text, const std::string& name);
// Cuts the first name off a relative path ("Sub\Deeper" gives "Sub" and
// leaves "Deeper").
std::string TakeFirstName(std::string& rest);
// "A:\" for 0 up to "Z:\" for 25.
std::string DriveRoot(int nDrive);
// 0 for a path on drive A up to 25 for Z; -1 when it starts with no letter.
int DriveIndex(const std::string& path);
