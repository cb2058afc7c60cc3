// What the folder tree decides without a tree control: paths from item
// texts, the sibling search, the medium check and merged refreshes.
#include <gtest/gtest.h>

#include <vector>

#include "browse/MediaSerials.h"
#include "browse/PendingRefreshes.h"
#include "browse/TreeNames.h"

TEST(TreeRules, ComposesItemPaths)
{
    // "ソ" ends in the byte 0x5C, which is no backslash.
    const struct {
        std::vector<std::string> texts;
        const char* path;
        const char* selected;
    } cases[] = {
        {{"C:\\"}, "C:\\", "C:\\"},
        {{"C:\\", "Windows", "System"}, "C:\\Windows\\System", "C:\\Windows\\System\\"},
        {{"C:\\", "ソ"}, "C:\\ソ", "C:\\ソ\\"},
        {{"C:\\", "ソ", "子"}, "C:\\ソ\\子", "C:\\ソ\\子\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeItemPath(c.texts), c.path);
        EXPECT_EQ(JoinPath(c.path, ""), c.selected);
    }
}

TEST(TreeRules, FindsSiblingsBlindToTheCaseOfAsciiLettersOnly)
{
    const struct {
        const char* text;
        const char* name;
        bool same;
    } cases[] = {
        {"Windows", "WINDOWS", true}, {"c:\\", "C:\\", true},   {"data_1", "DATA_1", true},
        {"Data", "Dat", false},       {"ａ", "Ａ", false},        {"ヂ", "ア", false},
        {"子q", "子Q", true},         {"ｶﾅ", "ｶﾅ", true},         {"ｶ", "ｷ", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSameName(c.text, c.name), c.same) << c.text << " " << c.name;
}

TEST(TreeRules, CutsPathsAtBackslashesAndNumbersDrives)
{
    std::string rest = "ソ\\子\\Last";
    EXPECT_EQ(TakeFirstName(rest), "ソ");
    EXPECT_EQ(TakeFirstName(rest), "子");
    EXPECT_EQ(TakeFirstName(rest), "Last");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(DriveRoot(0), "A:\\");
    EXPECT_EQ(DriveRoot(25), "Z:\\");
    for (const auto& [path, index] : {std::pair<const char*, int>{"A:\\", 0}, {"p:\\x", 15}, {"Z:", 25}, {"", -1},
                                      {"\\\\server", -1}})
        EXPECT_EQ(DriveIndex(path), index) << path;
}

TEST(TreeRules, AcceptsAMediumSeenFirstAndReportsAMissingOrSwappedOneOnce)
{
    const DWORD a = 0x1234, b = 0x5678;
    const struct {
        DWORD remembered;
        std::vector<std::pair<DWORD, bool>> seen;
    } cases[] = {
        {kNoSerial, {{a, true}, {a, true}}},
        {kNoSerial, {{kNoSerial, false}, {a, true}}},
        {a, {{a, true}, {b, false}, {b, true}, {a, false}}},
        {a, {{kNoSerial, false}, {kNoSerial, false}, {b, true}}},
    };
    for (const auto& c : cases) {
        MediaSerials media;
        media.Remember(17, c.remembered);
        media.Remember(18, b);
        for (const auto& [serial, same] : c.seen)
            EXPECT_EQ(media.IsSame(17, serial), same) << std::hex << c.remembered << " then " << serial;
        EXPECT_TRUE(media.IsSame(18, b));
    }
}

TEST(TreeRules, KeepsOneRefreshPendingPerDrive)
{
    PendingRefreshes pending;
    EXPECT_TRUE(pending.Mark(15));
    EXPECT_FALSE(pending.Mark(15));
    EXPECT_TRUE(pending.Mark(16));
    pending.Take(15);
    EXPECT_TRUE(pending.Mark(15));
    EXPECT_FALSE(pending.Mark(16));
}
