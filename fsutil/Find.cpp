#include "fsutil/Find.h"

#include <mbstring.h>

#include <cstring>

#include "fsutil/Path.h"
#include "fsutil/WideText.h"

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
    std::string name;
    const bool exact = ToExactText(found.cFileName, name);
    ::lstrcpynA(entry.cFileName, name.c_str(), MAX_PATH);
    return exact && name.size() < MAX_PATH;
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
