#include "fsutil/Find.h"

#include <mbstring.h>

#include <cstring>
#include <cwchar>

#include "fsutil/Path.h"

namespace {

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// The entry as the A functions give it. False when the code page holds the
// name only by look-alikes ("é" as "e", "¥" as "\") or not at all ("?"), or
// in more bytes than a name may have: through the A functions such a name
// names another file, or none.
bool ToAnsiEntry(const WIN32_FIND_DATAW& found, WIN32_FIND_DATAA& entry)
{
    entry.dwFileAttributes = found.dwFileAttributes;
    char name[MAX_PATH * 2];
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, found.cFileName, -1, name, sizeof name, nullptr, nullptr);
    ::lstrcpynA(entry.cFileName, bytes > 0 ? name : "", MAX_PATH);
    wchar_t back[MAX_PATH];
    return bytes > 0 && bytes <= MAX_PATH && ::MultiByteToWideChar(CP_ACP, 0, name, -1, back, MAX_PATH) > 0 &&
           std::wcscmp(back, found.cFileName) == 0;
}

std::wstring ToWide(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size())) - 1));
    return wide;
}

// Every search is made wide, so that each name can be checked against what
// the A functions would make of it.
win::FindHandle FindFirstWide(const std::string& pattern, WIN32_FIND_DATAW& found)
{
    if (pattern.size() > kMaxPathLength)
        return win::FindHandle();
    return win::FindHandle(::FindFirstFileExW(ToWide(pattern).c_str(), FindExInfoBasic, &found,
                                              FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
}

} // namespace

bool IsSafeName(const char* name)
{
    for (const auto* p = reinterpret_cast<const unsigned char*>(name); *p; p = _mbsinc(p)) {
        if (std::strchr("\\/:|", *p) || std::strchr(kWildcards, *p))
            return false;
    }
    // The path functions drop a trailing dot or blank, and would take the
    // name for another.
    const size_t length = std::strlen(name);
    return length == 0 || (name[length - 1] != '.' && name[length - 1] != ' ');
}

win::FindHandle FindFirst(const std::string& pattern, WIN32_FIND_DATAA& entry)
{
    WIN32_FIND_DATAW found;
    win::FindHandle find = FindFirstWide(pattern, found);
    if (find)
        ToAnsiEntry(found, entry);
    return find;
}

bool FindNames(const std::string& pattern, const EntryFilter& wanted, NameList& names, NameList* refused,
               size_t limit)
{
    WIN32_FIND_DATAW found;
    const win::FindHandle find = FindFirstWide(pattern, found);
    if (!find)
        return false;
    do {
        WIN32_FIND_DATAA entry;
        const bool exact = ToAnsiEntry(found, entry);
        if (IsDotEntry(entry.cFileName) || !wanted(entry))
            continue;
        if (exact && IsSafeName(entry.cFileName))
            names.emplace_back(entry.cFileName);
        else if (refused)
            refused->emplace_back(entry.cFileName);
    } while (names.size() < limit && ::FindNextFileW(find.Get(), &found));
    return true;
}
