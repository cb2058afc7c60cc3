#include <gtest/gtest.h>

#include "fsutil/Wildcard.h"

TEST(MatchesPattern, StarsAndQuestionMarks)
{
    EXPECT_TRUE(MatchesPattern("a.obj", "*.obj"));
    EXPECT_TRUE(MatchesPattern(".obj", "*.obj"));
    EXPECT_FALSE(MatchesPattern("a.obj.txt", "*.obj"));
    EXPECT_TRUE(MatchesPattern("a.obj.obj", "*.obj"));
    EXPECT_TRUE(MatchesPattern("ab.c", "a?.c"));
    EXPECT_FALSE(MatchesPattern("a.c", "a?.c"));
    EXPECT_TRUE(MatchesPattern("x-1-y", "*-*-*"));
}

// The platform's search also matches hidden short names; these must not.
TEST(MatchesPattern, LongNameOnly)
{
    EXPECT_FALSE(MatchesPattern("app.resources", "*.res"));
    EXPECT_FALSE(MatchesPattern("settings.tmpl", "*.tmp"));
    EXPECT_FALSE(MatchesPattern("project.pchx", "*.pch"));
}

TEST(MatchesPattern, AsciiCaseIsIgnored)
{
    EXPECT_TRUE(MatchesPattern("A.OBJ", "*.obj"));
    EXPECT_TRUE(MatchesPattern("a.obj", "*.OBJ"));
}

TEST(MatchesPattern, DosDotRules)
{
    EXPECT_TRUE(MatchesPattern("readme", "*.*"));
    EXPECT_TRUE(MatchesPattern("a.b.c", "*.*"));
    EXPECT_TRUE(MatchesPattern("anything", "*"));
    EXPECT_TRUE(MatchesPattern("readme", "*."));
    EXPECT_FALSE(MatchesPattern("readme.txt", "*."));
    EXPECT_TRUE(MatchesPattern("a", "a.*"));
}

// Double-byte characters are one character for "?" and match exactly; their
// trail bytes are never folded as ASCII letters (ア is 83 41, 83 61 another).
TEST(MatchesPattern, DoubleByteCharacters)
{
    EXPECT_TRUE(MatchesPattern("ソ.tmp", "?.tmp"));
    EXPECT_TRUE(MatchesPattern("ソース.tmp", "ソ*.tmp"));
    EXPECT_FALSE(MatchesPattern("ア.tmp", "ソ.tmp"));
    EXPECT_FALSE(MatchesPattern("\x83\x61.tmp", "ア.tmp"));
}

TEST(PatternLeavesFolder, BackslashOrColonOnly)
{
    EXPECT_TRUE(PatternLeavesFolder("..\\*.obj"));
    EXPECT_TRUE(PatternLeavesFolder("C:*.obj"));
    EXPECT_TRUE(PatternLeavesFolder("sub\\*"));
    EXPECT_FALSE(PatternLeavesFolder("*.obj"));
    EXPECT_FALSE(PatternLeavesFolder("ソ*.obj"));
}
