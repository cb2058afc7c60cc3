#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "fsutil/FolderCheck.h"

// Relative texts ("sub", "C:sub") would make the run work below whatever the
// current directory happens to be.
TEST(CheckFolder, OnlyExistingFoldersFromADrivesRoot)
{
    TestFolder dir;
    const std::string file = dir.MakeFile("f.txt");
    dir.MakeFolder("sub");
    char saved[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(::SetCurrentDirectoryA(dir.Path().c_str()));
    const std::string drive = dir.Path().substr(0, 2);
    for (const std::string& good : {std::string("C:\\"), dir.Path(), dir.Path() + "\\"})
        EXPECT_TRUE(CheckFolder(good)) << good;
    for (const std::string& bad : {file, dir / "missing", std::string(), std::string("\\\\srv\\share\\dir"),
                                   std::string("sub"), drive + "sub", drive, std::string("C:/")})
        EXPECT_FALSE(CheckFolder(bad)) << bad;
    ::SetCurrentDirectoryA(saved);
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (::GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR) {
            EXPECT_FALSE(CheckFolder(root)) << root;
        }
    }
}

// R: is the tests' removable drive: with its folder moved aside it has no
// medium.
TEST(CheckFolder, RefusesADriveThatIsNotReady)
{
    const std::string medium = TestDriveFolder("removable");
    ASSERT_TRUE(::MoveFileA(medium.c_str(), (medium + ".out").c_str())) << medium;
    EXPECT_FALSE(CheckFolder("R:\\"));
    ASSERT_TRUE(::MoveFileA((medium + ".out").c_str(), medium.c_str()));
    EXPECT_TRUE(CheckFolder("R:\\"));
}

// ERROR_DISK_CHANGE's text has an insert: it stays as it is, never filled
// from arguments that are not there.
TEST(GetSystemErrorText, TheSystemsTextWithoutItsLineBreak)
{
    EXPECT_EQ(GetSystemErrorText(ERROR_FILE_NOT_FOUND), "ファイルが見つかりません。");
    EXPECT_NE(GetSystemErrorText(ERROR_DISK_CHANGE).find("%1"), std::string::npos);
    EXPECT_NE(GetSystemErrorText(0x2345678).find(std::to_string(0x2345678)), std::string::npos);
}
