#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "fsutil/FolderCheck.h"
#include "fsutil/Listing.h"

// Relative texts ("sub", "C:sub") would make the run work below whatever the
// current directory happens to be. R: is the tests' removable drive: with its
// folder moved aside it has no medium.
TEST(CheckFolder, OnlyExistingFoldersFromTheRootOfAReadyDrive)
{
    TestFolder dir;
    const std::string file = dir.MakeFile("sub\\f.txt");
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(::SetCurrentDirectoryA(dir.Path().c_str()));
    const std::string drive = dir.Path().substr(0, 2);
    for (const std::string& good : {std::string("C:\\"), dir.Path(), dir / "sub\\"})
        EXPECT_TRUE(CheckFolder(good)) << good;
    for (const std::string& bad : {file, dir / "missing", std::string(), std::string("\\\\srv\\share\\dir"),
                                   std::string("sub"), drive + "sub", drive, std::string("C:/")})
        EXPECT_FALSE(CheckFolder(bad)) << bad;
    ::SetCurrentDirectoryA(saved);
    const std::string medium = TestDriveFolder("removable");
    ASSERT_TRUE(::MoveFileA(medium.c_str(), (medium + ".out").c_str())) << medium;
    EXPECT_FALSE(CheckFolder("R:\\"));
    ASSERT_TRUE(::MoveFileA((medium + ".out").c_str(), medium.c_str()));
    EXPECT_TRUE(CheckFolder("R:\\"));
}

// Wine keeps no temporary bit on folders, and a folder lists its "." entry
// first, so "*.*" finds no file there.
TEST(Listing, WhatTheWalkMayEnterAndTheLongestPattern)
{
    for (std::uint32_t refused : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_TEMPORARY,
                                  FILE_ATTRIBUTE_REPARSE_POINT})
        EXPECT_FALSE(IsListedFolderAttr(FILE_ATTRIBUTE_DIRECTORY | refused)) << refused;
    EXPECT_TRUE(IsListedFolderAttr(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    TestFolder dir;
    const std::string hidden = dir.MakeFile("h.tmp");
    ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    dir.MakeFile("sub.tmp\\x.txt");
    EXPECT_TRUE(FileExists(hidden));
    EXPECT_FALSE(FileExists(dir / "sub.tmp") || FileExists(dir / "sub.tmp\\*.*"));
    NameList names{"x"};
    EXPECT_EQ(ListSubfolders(names, dir.Path()), 2);
    // The longest pattern the A functions take, 259 bytes, is searched.
    const std::string longest = dir / (std::string(254 - dir.Path().size(), '*') + ".tmp");
    ASSERT_EQ(longest.size(), 259u);
    EXPECT_EQ(ListFiles(longest, names), 1);
}

// ERROR_DISK_CHANGE's text has an insert: it stays as it is, never filled
// from arguments that are not there.
TEST(GetSystemErrorText, TheSystemsTextWithoutItsLineBreak)
{
    EXPECT_EQ(GetSystemErrorText(ERROR_FILE_NOT_FOUND), "ファイルが見つかりません。");
    EXPECT_NE(GetSystemErrorText(ERROR_DISK_CHANGE).find("%1"), std::string::npos);
    EXPECT_NE(GetSystemErrorText(0x2345678).find(std::to_string(0x2345678)), std::string::npos);
}
