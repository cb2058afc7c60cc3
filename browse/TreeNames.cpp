#include "browse/TreeNames.h"

#include <mbctype.h>
#include <mbstring.h>

#include <cctype>

#include "fsutil/Path.h"

std::string JoinPath(const std::string& folder, const std::string& name)
{
    return EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
}

std::string ComposeItemPath(const std::vector<std::string>& texts)
{
    std::string path;
    for (const std::string& text : texts)
        path = path.empty() ? text : JoinPath(path, text);
    return path;
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

bool IsSameName(const std::string& text, const std::string& name)
{
    const std::string a = MakeUpperMbcs(text);
    const std::string b = MakeUpperMbcs(name);
    return _mbscmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                   reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
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
