#include "browse/Folders.h"

#include <mbctype.h>
#include <mbstring.h>

#include <cctype>

#include "fsutil/Path.h"
#include "win/Handle.h"

namespace {

bool IsSubfolderEntry(const WIN32_FIND_DATAA& entry)
{
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const std::string name = entry.cFileName;
    return name != "." && name != "..";
}

} // namespace

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
}

bool ListFolderNames(const std::string& folder, NameList& names)
{
    WIN32_FIND_DATAA entry;
    const win::FindHandle find(::FindFirstFileA(JoinPath(folder, "*.*").c_str(), &entry));
    if (!find)
        return false;
    do {
        if (IsSubfolderEntry(entry))
            names.push_back(entry.cFileName);
    } while (::FindNextFileA(find.Get(), &entry));
    return true;
}

bool HasSubfolders(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    const win::FindHandle find(::FindFirstFileA(JoinPath(path, "*.*").c_str(), &entry));
    if (!find)
        return false;
    do {
        if (IsSubfolderEntry(entry))
            return true;
    } while (::FindNextFileA(find.Get(), &entry));
    return false;
}

bool FolderExists(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    const win::FindHandle find(::FindFirstFileA(path.c_str(), &entry));
    return find && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolderPath(const std::string& path)
{
    return path.size() == 3 || FolderExists(path);
}

DWORD GetVolumeSerial(const std::string& root)
{
    DWORD serial = 0;
    if (!::GetVolumeInformationA(root.c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))
        return kNoSerial;
    return serial;
}

std::string MakeUpperMbcs(const std::string& text)
{
    std::string upper = text;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
    for (size_t i = 0; i < upper.size(); ++i) {
        if (_mbsbtype(bytes, i) == _MBC_SINGLE)
            upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[i])));
    }
    return upper;
}

std::string TakeFirstName(std::string& rest)
{
    const auto* text = reinterpret_cast<const unsigned char*>(rest.c_str());
    const unsigned char* separator = _mbschr(text, '\\');
    if (!separator) {
        std::string name;
        name.swap(rest);
        return name;
    }
    const size_t length = static_cast<size_t>(separator - text);
    std::string name = rest.substr(0, length);
    rest.erase(0, length + 1);
    return name;
}

std::string DriveRoot(int nDrive)
{
    std::string root = "?:\\";
    root[0] = static_cast<char>('A' + nDrive);
    return root;
}

int DriveIndex(const std::string& path)
{
    if (path.empty())
        return -1;
    const int letter = std::toupper(static_cast<unsigned char>(path[0]));
    return letter >= 'A' && letter <= 'Z' ? letter - 'A' : -1;
}
