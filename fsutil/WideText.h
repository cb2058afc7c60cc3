#pragma once
// The two forms of a name: wide, as the file system holds it, and the code
// page's text, which the program shows and stores. A wide name is shown with
// "?" for each character the code page lacks, never with a look-alike ("¥"
// would become a backslash), and a shown text is never made a name again.
#include <string>

// The code page's text in wide characters: a typed folder, a pattern.
std::wstring ToWide(const std::string& text);
// The text to show: "?" for every character the code page lacks.
std::string ToShown(const std::wstring& wide);
// True, with the code page's text, when the code page holds every character
// of the wide text exactly.
bool ToExactText(const std::wstring& wide, std::string& text);
// The path from a drive's root, relative parts resolved as the path
// functions resolve them; the path itself when it cannot be.
std::wstring ToFullPath(const std::wstring& path);
// The folder's full path for the W functions in the "\\?\" form, which takes
// any length: no trailing backslash but a root's.
std::wstring ToLongFolderPath(const std::string& folder);
