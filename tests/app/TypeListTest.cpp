// The file-type list without a window: splitting, equal entries, adding,
// removing and the order kept at closing.
#include <gtest/gtest.h>

#include "app/TypeList.h"

namespace {

const char kBuild[] = "*.bsc/*.idb/*.obj/*.pdb/*.exp/*.pch/*.res/*.sbr/*.aps/*.ncb/*.ilk";
const char kTemp[] = "*.tmp/*.bak";

} // namespace

TEST(TypeList, SplitsAtEverySlashKeepingBlanks)
{
    const std::pair<std::string, NameList> cases[] = {
        {kTemp, {"*.tmp", "*.bak"}},  {"/*.tmp//*.bak/", {"*.tmp", "*.bak"}},      {"", {}}, {"/", {}},
        {"*.tmp / *.bak", {"*.tmp ", " *.bak"}}, {"ソ*.obj/x", {"ソ*.obj", "x"}},
    };
    for (const auto& [entry, patterns] : cases)
        EXPECT_EQ(SplitPatterns(entry), patterns) << entry;
}

// "ア" and "ヂ" are 83 41 and 83 61: trail bytes that look like A and a.
TEST(TypeList, EntriesAreEqualButForTheCaseOfAsciiLettersOnly)
{
    const std::tuple<std::string, std::string, bool> cases[] = {
        {kTemp, "*.TMP/*.BAK", true},  {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", true},
        {"[\\]^_@", "{|}~\x7f`", false}, {"*.ア", "*.ヂ", false}, {"*.Ａ", "*.ａ", true},
        {"ソ", "ソ", true},              {"*.tmp", "*.tmp ", false},
    };
    for (const auto& [a, b, same] : cases)
        EXPECT_EQ(SameTypeText(a, b), same) << a << " / " << b;
}

// Adding finds the first equal entry or appends; removing the last entry
// brings back both built-in ones; closing keeps the selected entry first and
// drops other empty ones.
TEST(TypeList, EditsKeepTheListInOrder)
{
    const NameList start = {kTemp, "*.tmp", "*.TMP"};
    for (const auto& [text, index] : {std::pair<std::string, int>{"*.TMP/*.BAK", 0}, {"*.Tmp", 1}, {"*.log", 3}}) {
        NameList types = start;
        EXPECT_EQ(AddType(types, text), index) << text;
        EXPECT_EQ(types.size(), index < 3 ? 3u : 4u) << text;
        EXPECT_EQ(types.back(), index < 3 ? "*.TMP" : text);
    }
    EXPECT_EQ(BuiltInTypes(), (NameList{kBuild, kTemp}));
    const std::tuple<NameList, int, NameList> removals[] = {
        {{"a", "b", "c"}, 1, {"a", "c"}}, {{"a", "b"}, -1, {"a", "b"}}, {{"a", "b"}, 2, {"a", "b"}}, {{"a"}, 0, {kBuild, kTemp}}};
    for (auto [types, index, left] : removals) {
        RemoveType(types, index);
        EXPECT_EQ(types, left) << index;
    }
    const NameList types = {"a", "", "b", ""};
    const std::pair<int, NameList> saves[] = {{2, {"b", "a"}}, {1, {"", "a", "b"}}, {0, {"a", "b"}}, {-1, {"", "a", "b"}}};
    for (const auto& [selected, saved] : saves)
        EXPECT_EQ(TypesToSave(types, selected), saved) << selected;
}
