// The runs try the common patterns; here what they do not: "?", a star that
// must back off, the rules for dots and blanks, and double-byte characters.
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
        {"a.obj.txt", "*.obj", false},  {"a.obj.obj", "*.obj", true},  {"ab.c", "a?.c", true},
        {"a.c", "a?.c", false},         {"x-1-y", "*-*-*", true},      {"x-1", "*-*-*", false},
        {"Zq.Tmp", "zQ.tMP", true},     {"a.b.c", "*.*", true},        {"a", "a.*", true},
        {"readme", "*.", true},         {"readme.txt", "*.", false},   {"a.tmp", "*.tmp. .", true},
        {"a.tmpx", "*.tmp ", false},    {"a.tmp", " *.tmp", false},    {" h.tmp", " *.tmp", true},
        {"ソ.tmp", "?.tmp", true},      {"ソース.tmp", "ソ*.tmp", true}, {"ア.tmp", "ソ.tmp", false},
        {"\x83\x61.tmp", "ア.tmp", false}, {"ア.tmp", "*a.tmp", false}, {"xア.tmp", "x*A.tmp", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " / " << c.pattern;
    EXPECT_TRUE(PatternLeavesFolder("ソ\\") && !IsSafeName("ソ\\") && !IsSafeName("a/b") && !IsSafeName("c:d"));
    EXPECT_FALSE(PatternLeavesFolder("ソ*.obj") || !IsSafeName("ソース.tmp"));
}
