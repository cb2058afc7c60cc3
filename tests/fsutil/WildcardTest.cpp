// The patterns against the platform's own search, on real files named with
// every character that the code page holds exactly.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <set>

#include "TestFolder.h"
#include "fsutil/WideText.h"
#include "fsutil/Wildcard.h"
#include "win/Handle.h"

namespace {

// Each character the code page holds exactly and a name may hold, single
// bytes and double bytes alike.
std::vector<wchar_t> Repertoire()
{
    std::set<wchar_t> found;
    for (int lead = 0x20; lead < 0x100; ++lead) {
        const bool dbcs = ::IsDBCSLeadByteEx(932, static_cast<BYTE>(lead));
        for (int trail = dbcs ? 0x40 : 0; trail < (dbcs ? 0x100 : 1); ++trail) {
            const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t wide[2];
            std::string back;
            if (::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, dbcs ? 2 : 1, wide, 2) == 1 &&
                ToExactText(std::wstring(1, wide[0]), back) && !std::wcschr(L"\\/:*?\"<>|. ", wide[0]))
                found.insert(wide[0]);
        }
    }
    return {found.begin(), found.end()};
}

// The other letter case of the character, where the locale knows one.
wchar_t OtherCase(wchar_t c)
{
    wchar_t upper = c, lower = c;
    ::CharUpperBuffW(&upper, 1);
    ::CharLowerBuffW(&lower, 1);
    return upper != c ? upper : lower;
}

struct Found {
    std::wstring strShort;
};

// What the platform's search lists (long names, each with its 8.3 name).
std::map<std::wstring, Found> Search(const std::wstring& folder, const std::wstring& pattern)
{
    std::map<std::wstring, Found> found;
    WIN32_FIND_DATAW entry;
    const win::FindHandle find(::FindFirstFileExW((folder + L"\\" + pattern).c_str(), FindExInfoStandard, &entry,
                                                  FindExSearchNameMatch, nullptr, 0));
    for (bool more = bool(find); more; more = ::FindNextFileW(find.Get(), &entry))
        found[entry.cFileName] = {entry.cAlternateFileName};
    return found;
}

std::string Mismatches(const std::wstring& folder, const std::vector<std::wstring>& names, const std::wstring& pattern)
{
    std::string text;
    ToExactText(pattern, text);
    const CWildcard wildcard(text);
    std::map<std::wstring, Found> searched = Search(folder, pattern);
    std::string wrong;
    for (const std::wstring& name : names) {
        const auto listed = searched.find(name);
        const bool ours = wildcard.Matches(FoldCase(name));
        // A name listed through its 8.3 name alone is no match of ours.
        const bool theirs = listed != searched.end() &&
                            (ours || listed->second.strShort.empty() ||
                             !wildcard.Matches(FoldCase(listed->second.strShort)));
        if (ours != theirs)
            wrong += " " + ToShown(name) + (ours ? "+" : "-");
    }
    return wrong.empty() ? wrong : ToShown(pattern) + ":" + wrong + "\n";
}

} // namespace

// Names are "a" + c + "." + c, one folder for each 256 characters. Each
// character's pattern holds it in its other letter case where it has one.
// Wine's search lacks rules of Windows' that the patterns keep: "?" matching
// nothing at a dot or at the end, and "*." for names without an extension
// (the table of PathTexts pins those); nor does it take "*?". The patterns
// here stay clear of them.
TEST(Wildcard, MatchesAsThePlatformsSearchOverTheWholeCodePage)
{
    TestFolder root;
    std::map<int, std::vector<std::wstring>> folders;
    for (wchar_t c : Repertoire())
        folders[c >> 8].push_back(std::wstring(L"a") + c + L"." + c);
    const std::vector<std::wstring> everywhere = {L"*",   L"a*",       L"*.?",      L"??.?",   L"A?.*",  L"*a*",
                                                  L"a",   L"a?.?",     L"*.? .",    L"A?.* ",  L"?*.?. ", L"*A*.*"};
    std::string wrong;
    size_t count = 0;
    for (auto& [block, names] : folders) {
        const std::wstring folder = ToWide(root.MakeFolder(std::to_string(block)));
        // The file system takes a name that differs only in case for the same.
        const auto same = std::remove_if(names.begin(), names.end(), [&](const std::wstring& name) {
            return !MakeWide(ToShown(folder), name) && ::GetLastError() == ERROR_FILE_EXISTS;
        });
        names.erase(same, names.end());
        for (const std::wstring& pattern : everywhere)
            wrong += Mismatches(folder, names, pattern);
        for (const std::wstring& name : names) {
            const wchar_t p = OtherCase(name[1]);
            const std::wstring shapes[] = {std::wstring(L"a") + p + L"*", std::wstring(L"*") + p + L".?",
                                           std::wstring(L"?") + p + L".*", std::wstring(L"A") + p + L"." + p + L" ."};
            wrong += Mismatches(folder, names, shapes[count++ % 4]);
        }
    }
    EXPECT_GT(count, 7000u);
    EXPECT_EQ(wrong.substr(0, 2000), "");
}
