#include "fsutil/Wildcard.h"

#include <cstring>
#include <mbctype.h>

namespace {

using Byte = unsigned char;

size_t CharLength(const Byte* p, const Byte* end)
{
    return _ismbblead(*p) && p + 1 < end ? 2 : 1;
}

Byte FoldAscii(Byte c)
{
    return c >= 'a' && c <= 'z' ? static_cast<Byte>(c - 'a' + 'A') : c;
}

bool SameChar(const Byte* p, size_t pLength, const Byte* n, size_t nLength)
{
    if (pLength != nLength)
        return false;
    if (pLength == 1)
        return FoldAscii(*p) == FoldAscii(*n);
    return p[0] == n[0] && p[1] == n[1];
}

// At the name's end "*" and "?" match nothing, and so does a dot before
// either of them. The pattern never ends in a dot here.
bool MatchesNothingAtEnd(const Byte* p, const Byte* end)
{
    return *p == '*' || *p == '?' || (*p == '.' && p + 1 < end && (p[1] == '*' || p[1] == '?'));
}

// Greedy match with one backtracking point: the last "*" seen. As in the
// system's own search, "?" matches no character at a dot or at the name's
// end, and neither does a dot before a wildcard at the name's end
// ("????????.???" matches "a.b" and "x.?" matches "x").
bool Match(const Byte* p, const Byte* pEnd, const Byte* n, const Byte* nEnd)
{
    const Byte* starP = nullptr;
    const Byte* starN = nullptr;
    while (n < nEnd) {
        if (p < pEnd && *p == '*') {
            starP = ++p;
            starN = n;
            continue;
        }
        if (p < pEnd) {
            if (*p == '?' && *n == '.') {
                while (p < pEnd && *p == '?')
                    ++p;
                continue;
            }
            const size_t pLength = CharLength(p, pEnd);
            const size_t nLength = CharLength(n, nEnd);
            if ((pLength == 1 && *p == '?') || SameChar(p, pLength, n, nLength)) {
                p += pLength;
                n += nLength;
                continue;
            }
        }
        if (!starP)
            return false;
        p = starP;
        starN += CharLength(starN, nEnd);
        n = starN;
    }
    while (p < pEnd && MatchesNothingAtEnd(p, pEnd))
        ++p;
    return p == pEnd;
}

bool EndsWith(const std::string& text, const char* tail)
{
    const size_t length = std::strlen(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

} // namespace

// The search drops the trailing blanks and dots of its last path component,
// so "*.tmp " lists the .tmp files; a dot dropped right after a star keeps
// its meaning, no extension ("*." lists "readme", not "a.txt").
bool MatchesPattern(const char* name, const std::string& pattern)
{
    const size_t coreLength = pattern.find_last_not_of(". ") + 1;
    const std::string core = pattern.substr(0, coreLength);
    if (coreLength < pattern.size() && pattern[coreLength] == '.' && EndsWith(core, "*") &&
        std::strchr(name, '.'))
        return false;
    const auto* n = reinterpret_cast<const Byte*>(name);
    const Byte* nEnd = n + std::strlen(name);
    const auto* p = reinterpret_cast<const Byte*>(core.data());
    const Byte* pEnd = p + core.size();
    return Match(p, pEnd, n, nEnd);
}

bool PatternLeavesFolder(const std::string& pattern)
{
    const auto* p = reinterpret_cast<const Byte*>(pattern.data());
    const Byte* end = p + pattern.size();
    for (; p < end; p += CharLength(p, end)) {
        if (*p == '\\' || *p == ':')
            return true;
    }
    return false;
}
