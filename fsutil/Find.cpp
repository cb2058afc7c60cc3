#include "fsutil/Find.h"

#include <mbstring.h>

#include <cstring>

#include "fsutil/Path.h"

namespace {

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
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
    if (pattern.size() > kMaxPathLength)
        return win::FindHandle();
    return win::FindHandle(::FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                              nullptr, FIND_FIRST_EX_LARGE_FETCH));
}

bool FindNames(const std::string& pattern, const EntryFilter& wanted, NameList& names, NameList* refused,
               size_t limit)
{
    WIN32_FIND_DATAA entry{};
    const win::FindHandle find = FindFirst(pattern, entry);
    if (!find)
        return false;
    do {
        if (IsDotEntry(entry.cFileName) || !wanted(entry))
            continue;
        if (IsSafeName(entry.cFileName))
            names.emplace_back(entry.cFileName);
        else if (refused)
            refused->emplace_back(entry.cFileName);
    } while (names.size() < limit && ::FindNextFileA(find.Get(), &entry));
    return true;
}
