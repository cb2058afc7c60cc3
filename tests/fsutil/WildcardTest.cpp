#include <gtest/gtest.h>

#include "fsutil/Find.h"
#include "fsutil/Wildcard.h"

// ア is 83 41 and 83 61 is another character: trail bytes are never folded
// as ASCII letters; ソ is 83 5C and never a backslash.
TEST(MatchesPattern, LongNamesByTheSearchsRules)
{
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"a.obj", "*.obj", true},          {".obj", "*.obj", true},
        {"a.obj.txt", "*.obj", false},     {"a.obj.obj", "*.obj", true},
        {"ab.c", "a?.c", true},            {"a.c", "a?.c", false},
        {"x-1-y", "*-*-*", true},          {"x-1", "*-*-*", false},
        {"app.resources", "*.res", false}, {"a.obk", "*.obj", false},
        {"A.OBJ", "*.obj", true},          {"Zq.Tmp", "zQ.tMP", true},
        {"readme", "*.*", true},           {"a.b.c", "*.*", true},
        {"anything", "*", true},           {"a", "a.*", true},
        {"readme", "*.", true},            {"readme.txt", "*.", false},
        {"a.tmp", "*.tmp ", true},         {"a.tmp", "*.tmp. .", true},
        {"a.tmpx", "*.tmp ", false},       {"a.tmp", "a.tmp.", true},
        {"a.tmp", " *.tmp", false},        {" h.tmp", " *.tmp", true},
        {"ソ.tmp", "?.tmp", true},         {"ソース.tmp", "ソ*.tmp", true},
        {"ア.tmp", "ソ.tmp", false},       {"\x83\x61.tmp", "ア.tmp", false},
        {"ア.tmp", "*a.tmp", false},       {"xア.tmp", "x*A.tmp", false},
        {"ソ", "*\\", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " / " << c.pattern;
}

TEST(Names, PathSyntaxIsFoundByCharacters)
{
    for (const char* bad : {"..\\*.obj", "C:*.obj", "ソ\\"})
        EXPECT_TRUE(PatternLeavesFolder(bad) && !IsSafeName(bad)) << bad;
    for (const char* good : {"ソ*.obj", "ソース.tmp", " x"})
        EXPECT_TRUE(!PatternLeavesFolder(good) && IsSafeName(good)) << good;
    EXPECT_FALSE(IsSafeName("a/b"));
}
