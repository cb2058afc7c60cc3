#include "fsutil/Wildcard.h"

#include <windows.h>

#include <mbctype.h>

#include "fsutil/WideText.h"

// The file system's own table, the one its case-blind name lookup uses; the
// linguistic mappings of a locale differ from it.
extern "C" NTSYSAPI WCHAR NTAPI RtlUpcaseUnicodeChar(WCHAR character);

namespace {

using Char = wchar_t;

// At the name's end "*" and "?" match nothing, and so does a dot before
// either of them.
bool MatchesNothingAtEnd(const Char* p, const Char* end)
{
    return *p == L'*' || *p == L'?' || (*p == L'.' && p + 1 < end && (p[1] == L'*' || p[1] == L'?'));
}

// Greedy match with one backtracking point: the last "*" seen. As in the
// system's own search, "?" matches no character at a dot or at the name's
// end, and neither does a dot before a wildcard at the name's end
// ("????????.???" matches "a.b" and "x.?" matches "x").
bool Match(const Char* p, const Char* pEnd, const Char* n, const Char* nEnd)
{
    const Char* starP = nullptr;
    const Char* starN = nullptr;
    while (n < nEnd) {
        if (p < pEnd && *p == L'*') {
            starP = ++p;
            starN = n;
            continue;
        }
        if (p < pEnd) {
            if (*p == L'?' && *n == L'.') {
                while (p < pEnd && *p == L'?')
                    ++p;
                continue;
            }
            if (*p == L'?' || *p == *n) {
                ++p;
                ++n;
                continue;
            }
        }
        if (!starP)
            return false;
        p = starP;
        n = ++starN;
    }
    while (p < pEnd && MatchesNothingAtEnd(p, pEnd))
        ++p;
    return p == pEnd;
}

} // namespace

std::wstring FoldCase(std::wstring text)
{
    for (wchar_t& c : text)
        c = RtlUpcaseUnicodeChar(c);
    return text;
}

// The search drops the trailing blanks and dots of its last path component,
// so "*.tmp " lists the .tmp files; a dot dropped right after a star keeps
// its meaning, no extension ("*." lists "readme", not "a.txt").
CWildcard::CWildcard(const std::string& pattern)
{
    const std::wstring wide = FoldCase(ToWide(pattern));
    const size_t coreLength = wide.find_last_not_of(L". ") + 1;
    m_strCore = wide.substr(0, coreLength);
    m_bNoExtension = coreLength < wide.size() && wide[coreLength] == L'.' && !m_strCore.empty() &&
                     m_strCore.back() == L'*';
}

bool CWildcard::Matches(const std::wstring& foldedName) const
{
    if (m_bNoExtension && foldedName.find(L'.') != std::wstring::npos)
        return false;
    const Char* p = m_strCore.data();
    return Match(p, p + m_strCore.size(), foldedName.data(), foldedName.data() + foldedName.size());
}

bool PatternLeavesFolder(const std::string& pattern)
{
    const auto* p = reinterpret_cast<const unsigned char*>(pattern.data());
    const unsigned char* end = p + pattern.size();
    for (; p < end; p += _ismbblead(*p) && p + 1 < end ? 2 : 1) {
        if (*p == '\\' || *p == ':')
            return true;
    }
    return false;
}
