// What the run's listings keep out is tried through whole runs (engine
// tests); here what a run cannot show.
#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
#include "fsutil/Listing.h"

// Wine keeps no temporary bit on folders, and a folder lists its "." entry
// first, so "*.*" finds no file there.
TEST(Listing, FolderAttributesAndTheFirstMatch)
{
    const std::uint32_t folder = FILE_ATTRIBUTE_DIRECTORY;
    EXPECT_TRUE(IsListedFolderAttr(folder | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    for (std::uint32_t refused : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_TEMPORARY,
                                  FILE_ATTRIBUTE_REPARSE_POINT})
        EXPECT_FALSE(IsListedFolderAttr(folder | refused)) << refused;
    TestFolder dir;
    const std::string hidden = dir.MakeFile("h.tmp");
    ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    dir.MakeFile("sub\\x.txt");
    EXPECT_TRUE(FileExists(hidden));
    EXPECT_FALSE(FileExists(dir / "sub"));
    EXPECT_FALSE(FileExists(dir / "sub\\*.*"));
    NameList names{"x", "y"};
    EXPECT_EQ(ListSubfolders(names, dir.Path()), 3);
    // The longest pattern the A functions take, 259 bytes, is searched.
    const std::string longest = dir / (std::string(254 - dir.Path().size(), '*') + ".tmp");
    ASSERT_EQ(longest.size(), 259u);
    EXPECT_EQ(ListFiles(longest, names), 1);
}
