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

// A name the code page cannot hold: "¥" (U+00A5) reaches the A functions as
// a backslash.
void MakeYenFile(const TestFolder& dir, const std::wstring& name)
{
    const HANDLE file = ::CreateFileW((LongPath(dir.Path()) + L"\\" + name).c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);
}

} // namespace

TEST(Listing, FilesByTheirLongNamesOnly)
{
    TestFolder dir;
    for (const char* name : {"a.tmp", "c.TMP", "d.txt", "app.resources", "settings.tmpl"})
        dir.MakeFile(name);
    dir.MakeFolder("b.tmp");
    MakeYenFile(dir, L"x\u00a5..\u00a5victim.tmp");
    NameList names{"stale"};
    NameList refused{"stale"};
    EXPECT_EQ(ListFiles(dir / "*.tmp ", names, &refused), 2);
    EXPECT_EQ(Sorted(names), (NameList{"a.tmp", "c.TMP"}));
    EXPECT_EQ(refused, NameList{"x\\..\\victim.tmp"});
    EXPECT_EQ(ListFiles(dir / "*.res", names), 0);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(ListFiles(dir.Path() + "\\" + std::string(300, 'x') + "\\..\\*.tmp", names), 0);
}

TEST(Listing, SubfoldersTheWalkMayEnter)
{
    TestFolder dir;
    dir.MakeFolder("plain");
    dir.MakeFolder(".dotted");
    dir.MakeFile("file");
    // Wine keeps the hidden and system bits of folders, not the temporary one.
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM})
        ASSERT_TRUE(::SetFileAttributesA(dir.MakeFolder("a" + std::to_string(attribute)).c_str(), attribute));
    ASSERT_TRUE(::CreateDirectoryW((LongPath(dir.Path()) + L"\\y\u00a5..").c_str(), nullptr));
    NameList names{"x", "y"};
    NameList refused;
    EXPECT_EQ(ListSubfolders(names, dir.Path(), &refused), 3);
    EXPECT_EQ(names, (NameList{"x", "y", "plain"}));
    EXPECT_EQ(refused, NameList{"y\\.."});
    names.clear();
    EXPECT_EQ(ListSubfolders(names, dir.Path() + "\\"), 1);
    EXPECT_EQ(ListSubfolders(names, dir.Path() + "\\" + std::string(300, 'x')), 1);

    const std::uint32_t folder = FILE_ATTRIBUTE_DIRECTORY;
    EXPECT_TRUE(IsListedFolderAttr(folder | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    for (std::uint32_t refusedBit : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_TEMPORARY,
                                     FILE_ATTRIBUTE_REPARSE_POINT})
        EXPECT_FALSE(IsListedFolderAttr(folder | refusedBit)) << refusedBit;
    EXPECT_TRUE(IsEnterableFolder(dir / "plain"));
    EXPECT_FALSE(IsEnterableFolder(dir / "a2"));
    EXPECT_FALSE(IsEnterableFolder(dir / "file"));
}

// A folder lists its "." entry first, so "*.*" finds no file there.
TEST(Listing, FileExistsAnswersForTheFirstMatchOnly)
{
    TestFolder dir;
    const std::string hidden = dir.MakeFile("h.tmp");
    ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    dir.MakeFile("sub\\x.txt");
    EXPECT_TRUE(FileExists(hidden));
    EXPECT_FALSE(FileExists(dir / "sub"));
    EXPECT_FALSE(FileExists(dir / "none.tmp"));
    EXPECT_FALSE(FileExists(dir / "sub\\*.*"));
}
