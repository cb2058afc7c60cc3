#include "fsutil/Path.h"

#include <windows.h>

#include <mbstring.h>
#include <vector>

#include "fsutil/WideText.h"

namespace {

enum class Trailing { None, AtEnd, Inside };

// Reverses the text by characters, so the first backslash found from the
// front is the last one of the text, and a trail byte 0x5C is skipped.
Trailing FindTrailingBackslash(const std::string& path)
{
    std::vector<unsigned char> buffer(path.begin(), path.end());
    buffer.push_back(0);
    _mbsrev(buffer.data());
    const unsigned char* found = _mbschr(buffer.data(), '\\');
    if (!found)
        return Trailing::None;
    return found == buffer.data() ? Trailing::AtEnd : Trailing::Inside;
}

} // namespace

void AddBackslash(std::string& path)
{
    if (path.size() == 1) {
        path += ":\\";
        return;
    }
    if (FindTrailingBackslash(path) == Trailing::Inside)
        path += '\\';
}

void RemoveBackslash(std::string& path)
{
    if (path.size() <= 3)
        return;
    if (FindTrailingBackslash(path) == Trailing::AtEnd)
        path.pop_back();
}

bool EndsWithBackslash(const std::string& path)
{
    return !path.empty() && FindTrailingBackslash(path) == Trailing::AtEnd;
}

std::string GetFolderPart(const std::string& path)
{
    // The split of _splitpath, scanned by characters so that a trail byte
    // 0x5C never ends the directory.
    const auto* text = reinterpret_cast<const unsigned char*>(path.c_str());
    const size_t driveLength = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    size_t folderEnd = driveLength;
    for (const unsigned char* p = text + driveLength; *p; p = _mbsinc(p)) {
        if (*p == '\\' || *p == '/')
            folderEnd = static_cast<size_t>(p - text) + 1;
    }
    return path.substr(0, folderEnd);
}

// A dot is never part of a double-byte character, so a byte search is safe.
std::string ReplaceExtension(const std::string& path, const char* extension)
{
    const size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot >= GetFolderPart(path).size();
    return path.substr(0, hasExtension ? dot : path.size()) + extension;
}

// Read wide: the A function cuts a path at MAX_PATH bytes, which a folder of
// double-byte names reaches at half the characters, and the settings file
// and the log would be looked for in a cut-off folder.
std::wstring GetWideModulePath()
{
    std::wstring wide(MAX_PATH, L'\0');
    DWORD length;
    while ((length = ::GetModuleFileNameW(nullptr, &wide[0], static_cast<DWORD>(wide.size()))) >= wide.size())
        wide.resize(wide.size() * 2);
    wide.resize(length);
    return wide;
}

// Never a look-alike: "¥" made "\" would name another folder, and the
// settings file and the log would be read and written there.
std::string GetModulePath()
{
    std::string path;
    return ToExactText(GetWideModulePath(), path) ? path : std::string();
}

std::string GetModuleFolder()
{
    std::string folder = GetFolderPart(GetModulePath());
    AddBackslash(folder);
    return folder;
}
