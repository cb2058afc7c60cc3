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
        {kTemp, {"*.tmp", "*.bak"}},
        {"/*.tmp//*.bak/", {"*.tmp", "*.bak"}},
        {"", {}},
        {"/", {}},
        {"*.tmp / *.bak", {"*.tmp ", " *.bak"}},
        {"ソ*.obj/x", {"ソ*.obj", "x"}},
    };
    for (const auto& [entry, patterns] : cases)
        EXPECT_EQ(SplitPatterns(entry), patterns) << entry;
}

TEST(TypeList, EntriesAreEqualButForTheCaseOfAsciiLettersOnly)
{
    const std::tuple<std::string, std::string, bool> cases[] = {
        {kTemp, "*.TMP/*.BAK", true},
        {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", true},
        {"[\\]^_@", "{|}~\x7f`", false},
        {"*.ア", "*.ヂ", false}, // 83 41 and 83 61: trail bytes that look like A and a
        {"*.Ａ", "*.ａ", true}, // the runtime folds full-width letters too
        {"ソ", "ソ", true},
        {"*.tmp", "*.tmp ", false},
    };
    for (const auto& [a, b, same] : cases)
        EXPECT_EQ(SameTypeText(a, b), same) << a << " / " << b;
}

TEST(TypeList, AddingFindsTheFirstEqualEntryOrAppends)
{
    const NameList start = {kTemp, "*.tmp", "*.TMP"};
    const std::tuple<std::string, int, size_t> cases[] = {
        {"*.TMP/*.BAK", 0, 3}, {"*.Tmp", 1, 3}, {"*.log", 3, 4}, {"", 3, 4}};
    for (const auto& [text, index, size] : cases) {
        NameList types = start;
        EXPECT_EQ(AddType(types, text), index) << text;
        EXPECT_EQ(types.size(), size) << text;
        EXPECT_EQ(types[static_cast<size_t>(index)], index < 3 ? start[static_cast<size_t>(index)] : text);
    }
}

TEST(TypeList, RemovingTheLastEntryBringsBackBothBuiltInOnes)
{
    EXPECT_EQ(BuiltInTypes(), (NameList{kBuild, kTemp}));
    const std::tuple<NameList, int, NameList> cases[] = {
        {{"a", "b", "c"}, 1, {"a", "c"}},
        {{"a", "b"}, -1, {"a", "b"}},
        {{"a", "b"}, 2, {"a", "b"}},
        {{"a"}, 0, {kBuild, kTemp}},
    };
    for (auto [types, index, left] : cases) {
        RemoveType(types, index);
        EXPECT_EQ(types, left) << index;
    }
}

TEST(TypeList, ClosingKeepsTheSelectedEntryFirstAndDropsOtherEmptyOnes)
{
    const NameList types = {"a", "", "b", ""};
    const std::pair<int, NameList> cases[] = {
        {2, {"b", "a"}}, {1, {"", "a", "b"}}, {0, {"a", "b"}}, {-1, {"", "a", "b"}}};
    for (const auto& [selected, saved] : cases)
        EXPECT_EQ(TypesToSave(types, selected), saved) << selected;
}
