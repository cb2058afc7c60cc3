#include <gtest/gtest.h>

#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "fsutil/FolderCheck.h"

// "C:sub" would name a folder below the current directory. R: is the tests'
// removable drive: with its folder moved aside it has no medium.
TEST(CheckFolder, OnlyExistingFoldersFromTheRootOfAReadyDriveAndTheSystemsTexts)
{
    TestFolder dir;
    const std::string file = dir.MakeFile("sub\\f.txt");
    // A search that is never closed leaves its blocks on the process heap.
    const auto heapBlocks = [] {
        int busy = 0;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(::GetProcessHeap(), &entry))
            busy += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
        return busy;
    };
    const int blocks = heapBlocks();
    for (int round = 0; round < 20; ++round)
        EXPECT_TRUE(CheckFolder(dir / "sub\\"));
    EXPECT_LT(heapBlocks() - blocks, 20);
    for (const std::string& bad : {file, dir / "missing", dir / "s*", dir / "s?b", dir / "s<", dir / "sub ",
                                   std::string(), std::string("\\\\srv\\share\\dir"), std::string("C:windows"),
                                   std::string("C:"), std::string("C:/")})
        EXPECT_FALSE(CheckFolder(bad)) << bad;
    const std::string medium = TestDriveFolder("removable");
    ASSERT_TRUE(::MoveFileA(medium.c_str(), (medium + ".out").c_str())) << medium;
    EXPECT_FALSE(CheckFolder("R:\\"));
    ASSERT_TRUE(::MoveFileA((medium + ".out").c_str(), medium.c_str()));
    EXPECT_TRUE(CheckFolder("R:\\"));
    // The system's texts: ERROR_DISK_CHANGE's has an insert, never filled
    // from no arguments; a code without one gives its number.
    EXPECT_EQ(GetSystemErrorText(ERROR_FILE_NOT_FOUND), "ファイルが見つかりません。");
    EXPECT_NE(GetSystemErrorText(ERROR_DISK_CHANGE).find("%1"), std::string::npos);
    EXPECT_NE(GetSystemErrorText(0x2345678).find(std::to_string(0x2345678)), std::string::npos);
}
