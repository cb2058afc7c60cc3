// The patterns against the platform's own search, on real files named with
// every character that the code page holds exactly.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>

#include "TestFolder.h"
#include "fsutil/WideText.h"
#include "fsutil/Wildcard.h"
#include "win/Handle.h"

// Names are "a" + c + "." + c, a folder for each 256 characters; a name that
// differs only in case from one made before is the same to the file system.
// Each character's pattern holds it in its other letter case. The search
// also takes a name through its 8.3 name, which ours never does. Wine's
// search lacks rules of Windows' that ours keeps: "?" matching nothing at a
// dot or at the end, and "*." for names without an extension (the table of
// PathTexts pins those); nor does it take "*?". The patterns avoid them.
TEST(Wildcard, MatchesAsThePlatformsSearchOverTheWholeCodePage)
{
    TestFolder root;
    std::map<int, std::vector<std::wstring>> folders;
    std::string text;
    for (wchar_t c = L' '; c < 0xFFFF; ++c) {
        if (ToExactText(std::wstring(1, c), text) && !std::wcschr(L"\\/:*?\"<>|. ", c))
            folders[c >> 8].push_back(std::wstring(L"a") + c + L"." + c);
    }
    std::string wrong;
    size_t count = 0;
    for (auto& [block, names] : folders) {
        const std::string folder = root.MakeFolder(std::to_string(block));
        names.erase(std::remove_if(names.begin(), names.end(), [&](const std::wstring& name) {
                        return !MakeWide(folder, name) && ::GetLastError() == ERROR_FILE_EXISTS;
                    }), names.end());
        std::vector<std::wstring> patterns = {L"*", L"a*",   L"*.?",   L"??.?",  L"A?.*",   L"*a*",
                                              L"a", L"a?.?", L"*.? .", L"A?.* ", L"?*.?. ", L"*A*.*"};
        for (const std::wstring& name : names) {
            wchar_t upper = name[1], lower = name[1];
            ::CharUpperBuffW(&upper, 1);
            ::CharLowerBuffW(&lower, 1);
            const std::wstring p(1, upper != name[1] ? upper : lower);
            const std::wstring shapes[] = {L"a" + p + L"*", L"*" + p + L".?", L"?" + p + L".*", L"A" + p + L"." + p + L" ."};
            patterns.push_back(shapes[count++ % 4]);
        }
        for (const std::wstring& pattern : patterns) {
            std::map<std::wstring, std::wstring> searched; // long name to 8.3 name
            WIN32_FIND_DATAW entry;
            const win::FindHandle find(::FindFirstFileExW((ToWide(folder) + L"\\" + pattern).c_str(),
                                                          FindExInfoStandard, &entry, FindExSearchNameMatch, nullptr, 0));
            for (bool more = bool(find); more; more = ::FindNextFileW(find.Get(), &entry))
                searched[entry.cFileName] = entry.cAlternateFileName;
            ToExactText(pattern, text);
            const CWildcard wildcard(text);
            for (const std::wstring& name : names) {
                const auto listed = searched.find(name);
                const bool ours = wildcard.Matches(FoldCase(name));
                if (ours != (listed != searched.end() && (ours || !wildcard.Matches(FoldCase(listed->second)))))
                    wrong += text + ": " + ToShown(name) + (ours ? " ours\n" : " theirs\n");
            }
        }
    }
    EXPECT_GT(count, 7000u);
    EXPECT_EQ(wrong.substr(0, 2000), "");
}
