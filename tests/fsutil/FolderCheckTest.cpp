#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
#include "fsutil/FolderCheck.h"

TEST(CheckFolder, AcceptsExistingFoldersOnReadyDrives)
{
    TestFolder dir;
    const std::string file = dir.MakeFile("f.txt");
    EXPECT_TRUE(CheckFolder("C:\\"));
    EXPECT_TRUE(CheckFolder(dir.Path()));
    EXPECT_TRUE(CheckFolder(dir.Path() + "\\"));
    EXPECT_FALSE(CheckFolder(file));
    EXPECT_FALSE(CheckFolder(dir / "missing"));
    EXPECT_FALSE(CheckFolder(""));
    EXPECT_FALSE(CheckFolder("\\\\srv\\share\\dir"));
}

// A relative text would make the run work below the current directory.
TEST(CheckFolder, RefusesRelativeTexts)
{
    TestFolder dir;
    dir.MakeFolder("sub");
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(::SetCurrentDirectoryA(dir.Path().c_str()));
    const std::string drive = dir.Path().substr(0, 2);
    EXPECT_FALSE(CheckFolder("sub"));
    EXPECT_FALSE(CheckFolder(drive + "sub"));
    EXPECT_FALSE(CheckFolder(drive));
    ::SetCurrentDirectoryA(saved);
}

TEST(CheckFolder, RefusesDrivesThatDoNotExist)
{
    // Find a letter that names no drive in this prefix.
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (::GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR) {
            EXPECT_FALSE(CheckFolder(root));
            EXPECT_FALSE(CheckFolder(root + "dir"));
            return;
        }
    }
    GTEST_SKIP() << "every letter is a drive";
}
