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

// Greedy match with one backtracking point: the last "*" seen.
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
    while (p < pEnd && *p == '*')
        ++p;
    return p == pEnd;
}

bool EndsWith(const std::string& text, const char* tail)
{
    const size_t length = std::strlen(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

} // namespace

bool MatchesPattern(const char* name, const std::string& pattern)
{
    const auto* n = reinterpret_cast<const Byte*>(name);
    const Byte* nEnd = n + std::strlen(name);
    const auto* p = reinterpret_cast<const Byte*>(pattern.data());
    const Byte* pEnd = p + pattern.size();
    if (EndsWith(pattern, ".*") && Match(p, pEnd - 2, n, nEnd))
        return true;
    if (EndsWith(pattern, "."))
        return std::strchr(name, '.') == nullptr && Match(p, pEnd - 1, n, nEnd);
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
