// Path and pattern texts: "?" (none at a dot or at the end, as in Windows'
// search), a star that must back off, dots and blanks at the ends, and
// double-byte characters (ソ is 83 5C).
#include <gtest/gtest.h>

#include "fsutil/Find.h"
#include "fsutil/Path.h"
#include "fsutil/WideText.h"
#include "fsutil/Wildcard.h"

TEST(PathTexts, BackslashesAndFolderPartByCharacters)
{
    const std::string lengthy = "C:\\" + std::string(400, 'a');
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"C", "C:\\", "C", ""}, {"C:\\", "C:\\", "C:\\", "C:\\"}, {"Cソ", "Cソ", "Cソ", ""},
        {"C:\\ソ", "C:\\ソ\\", "C:\\ソ", "C:\\"}, {"C:\\ソ\\", "C:\\ソ\\", "C:\\ソ", "C:\\ソ\\"},
        {lengthy + "\\x", lengthy + "\\x\\", lengthy + "\\x", lengthy + "\\"},
    };
    for (const auto& [text, added, removed, folder] : cases) {
        std::string add = text, remove = text;
        AddBackslash(add);
        RemoveBackslash(remove);
        EXPECT_EQ(std::make_tuple(add, remove, GetFolderPart(text)), std::make_tuple(added, removed, folder)) << text;
    }
}

TEST(PathTexts, PatternsMatchWholeNamesByTheSearchsRules)
{
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"a.obj.obj", "*.obj", true}, {"a.obj.txt", "*.obj", false}, {"ab.c", "a?.c", true},  {"a.c", "a?.c", true},
        {"a.b.c", "a?b.c", false},    {"abc", "a?", false},          {"x", "x.?", true},      {"x", "x?.c", false},
        {"a.b", "????????.???", true}, {"a", "a.*", true},           {"aab", "*ab", true},    {"readme", "*.", true},
        {"readme.txt", "*.", false},  {"a.tmp", "*.tmp. .", true},   {"a.tmpx", "*.tmp ", false},
        {"a.tmp", " *.tmp", false},   {" h.tmp", " *.tmp", true},    {"x.ＴＭＰ", "*.ｔｍｐ", true},
    };
    for (const auto& [name, pattern, matches] : cases)
        EXPECT_EQ(CWildcard(pattern).Matches(FoldCase(ToWide(name))), matches) << name << " / " << pattern;
    EXPECT_TRUE(PatternLeavesFolder("ソ\\") && PatternLeavesFolder("c:*") && !PatternLeavesFolder("ソ*.obj"));
    // The A functions' path rules would take such a name for another one.
    for (const char* unsafe : {"?.tmp", "a.tmp.", "a.tmp ", "a|b", "ソ\\", "a/b", "c:d"})
        EXPECT_FALSE(IsSafeName(unsafe)) << unsafe;
    EXPECT_TRUE(IsSafeName("ソース.tmp") && IsSafeName(".x"));
}
