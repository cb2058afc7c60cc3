// "ア" and "ヂ" are 83 41 and 83 61: trail bytes that look like A and a.
#include <gtest/gtest.h>

#include "app/TypeList.h"

TEST(TypeList, SplitsAtEverySlashKeepingBlanksComparesAsciiLettersCaseBlindAndNeverEmpties)
{
    const std::pair<std::string, NameList> splits[] = {
        {"/*.tmp//*.bak/", {"*.tmp", "*.bak"}}, {"/", {}}, {"*.tmp / *.bak", {"*.tmp ", " *.bak"}},
        {"ソ*.obj/x", {"ソ*.obj", "x"}}, {std::string(300, '/') + "*.x", {"*.x"}},
    };
    for (const auto& [entry, patterns] : splits)
        EXPECT_EQ(SplitPatterns(entry), patterns) << entry;
    const std::tuple<std::string, std::string, bool> pairs[] = {
        {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", true}, {"[\\]^_@", "{|}~\x7f`", false},
        {"*.ア", "*.ヂ", false}, {"*.Ａ", "*.ａ", true}, {"ソ", "ソ", true}, {"*.tmp", "*.tmp ", false},
    };
    for (const auto& [a, b, same] : pairs)
        EXPECT_EQ(SameTypeText(a, b), same) << a << " / " << b;
    NameList types{"*.a"};
    RemoveType(types, 0);
    EXPECT_EQ(types, BuiltInTypes());
}
