#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "TestFolder.h"
#include "fsutil/Listing.h"

namespace {

NameList Sorted(NameList names)
{
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(FileExists, AnswersForTheFirstMatchOnly)
{
    TestFolder dir;
    dir.MakeFile("a.tmp");
    dir.MakeFolder("sub");
    dir.MakeFile("sub\\x.txt");
    EXPECT_TRUE(FileExists(dir / "a.tmp"));
    EXPECT_FALSE(FileExists(dir / "sub"));
    EXPECT_FALSE(FileExists(dir / "none.tmp"));
    // A folder's "." entry comes first, so "*.*" finds no file there.
    EXPECT_FALSE(FileExists(dir / "sub\\*.*"));
    const std::string hidden = dir.MakeFile("h.tmp");
    ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(FileExists(hidden));
}

TEST(ListFiles, ListsMatchingFilesNotFolders)
{
    TestFolder dir;
    dir.MakeFile("a.tmp");
    dir.MakeFolder("b.tmp");
    dir.MakeFile("c.TMP");
    dir.MakeFile("d.txt");
    NameList names{"stale"};
    EXPECT_EQ(ListFiles(dir / "*.tmp", names), 2);
    EXPECT_EQ(Sorted(names), (NameList{"a.tmp", "c.TMP"}));
    EXPECT_EQ(ListFiles(dir / "*.none", names), 0);
    EXPECT_TRUE(names.empty());
}

// Wine's search matches "*.res" against the short name APP~1.RES of
// app.resources; such names are dropped.
TEST(ListFiles, DropsShortNameMatches)
{
    TestFolder dir;
    dir.MakeFile("app.resources");
    dir.MakeFile("settings.tmpl");
    dir.MakeFile("real.res");
    NameList names;
    ListFiles(dir / "*.res", names);
    EXPECT_EQ(names, (NameList{"real.res"}));
    ListFiles(dir / "*.tmp", names);
    EXPECT_TRUE(names.empty());
}

TEST(ListSubfolders, LeavesOutFoldersTheWalkMustNotEnter)
{
    TestFolder dir;
    dir.MakeFolder("plain");
    dir.MakeFile("file");
    // Wine keeps the hidden and system bits of folders, not the temporary one.
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const std::string path = dir.MakeFolder("attr" + std::to_string(attribute));
        ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attribute));
    }
    NameList names{"x", "y"};
    dir.MakeFolder(".dotted");
    EXPECT_EQ(ListSubfolders(names, dir.Path()), 3);
    EXPECT_EQ(names, (NameList{"x", "y", "plain"}));
    names.clear();
    EXPECT_EQ(ListSubfolders(names, dir.Path() + "\\"), 1);
}

TEST(IsListedFolderAttr, RefusesHiddenSystemTemporaryAndLinks)
{
    EXPECT_TRUE(IsListedFolderAttr(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(IsListedFolderAttr(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_FALSE(IsListedFolderAttr(FILE_ATTRIBUTE_SYSTEM));
    EXPECT_FALSE(IsListedFolderAttr(FILE_ATTRIBUTE_TEMPORARY));
    EXPECT_FALSE(IsListedFolderAttr(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

TEST(Listing, TextsBeyondThePathLimitFindNothing)
{
    TestFolder dir;
    dir.MakeFile("a.tmp");
    const std::string longPattern = dir.Path() + "\\" + std::string(300, 'x') + "\\..\\..\\*.tmp";
    NameList names;
    EXPECT_EQ(ListFiles(longPattern, names), 0);
    EXPECT_FALSE(FileExists(longPattern));
    EXPECT_EQ(ListSubfolders(names, dir.Path() + "\\" + std::string(300, 'x')), 0);
}
