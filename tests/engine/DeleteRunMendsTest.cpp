// What the run must never touch, and what it must report instead.
#include <gtest/gtest.h>

#include <algorithm>

#include "ScriptedHost.h"
#include "TestFolder.h"

// "¥" (U+00A5) reaches the A functions as a backslash: "x¥..¥..¥victim.tmp"
// names a file two folders up. Each pattern lists the folder again; trailing
// blanks and dots go as the search drops them; short names never match.
TEST(DeleteRunMends, OnlyMatchingFilesInsideTheStartFolderGoAndEveryRefusalIsReported)
{
    TestFolder outside; // outlives the link to it: a dangling link is never listed
    const std::string linked = outside.MakeFile("precious.tmp");
    TestFolder root;
    const std::string victim = root.MakeFile("victim.tmp");
    const std::string s = root.MakeFolder("S");
    ASSERT_TRUE(MakeWide(s, L"x\u00a5..\u00a5..\u00a5victim.tmp"));
    ASSERT_TRUE(MakeWide(s, L"d\u00a5..\u00a5..\\"));
    // Held by the code page only as look-alikes: listed as "cafe", "u.tmp".
    ASSERT_TRUE(MakeWide(s, L"caf\u00e9\\"));
    ASSERT_TRUE(MakeWide(s, L"\u00fc.tmp"));
    ASSERT_TRUE(MakeLink(outside.Path(), s + "\\link"));
    const Lines kept = {"app.resources", "settings.tmpl",   "folder.tmp\\keep.txt",
                        ".dotted\\keep.tmp", "attr2\\keep.tmp", "attr4\\keep.tmp"};
    for (const std::string& file : kept)
        root.MakeFile("S\\" + file);
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const std::string name = "attr" + std::to_string(attribute);
        ASSERT_TRUE(::SetFileAttributesA((s + "\\" + name).c_str(), attribute));
        ::SetFileAttributesA(root.MakeFile("S\\plain\\" + name + ".tmp").c_str(), attribute);
    }
    root.MakeFile("S\\a.tmp");
    root.MakeFile("S\\b.TMP");
    root.MakeFolder("S\\empty");
    const std::string locked = root.MakeFile("S\\locked.obj");
    ASSERT_TRUE(::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    RunFixture<> f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s + "\\", {"*.tmp ", "*.TMP", "*.obj", "locked.*", "*.res."});
    Lines log = f.host.Events("log:");
    std::sort(log.begin(), log.end());
    Lines expected = {"削除:" + s + "\\a.tmp", "削除:" + s + "\\b.TMP", "削除:" + s + "\\plain\\attr2.tmp",
                      "削除:" + s + "\\plain\\attr4.tmp", Failed(s + "\\d\\..\\..", ERROR_INVALID_NAME),
                      Failed(s + "\\cafe", ERROR_INVALID_NAME)};
    for (const std::string& twice : {Failed(s + "\\u.tmp", ERROR_INVALID_NAME), Failed(locked, ERROR_ACCESS_DENIED),
                                     Failed(s + "\\x\\..\\..\\victim.tmp", ERROR_INVALID_NAME)})
        expected.insert(expected.end(), 2, twice);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(log, expected);
    EXPECT_EQ(std::make_pair(f.run.m_nDeleted, f.run.m_nFailed), std::make_pair(4, 8));
    EXPECT_TRUE(PathExists(victim) && PathExists(linked) && PathExists(s));
    for (const std::string& file : kept)
        EXPECT_TRUE(PathExists(s + "\\" + file)) << file;
    EXPECT_FALSE(PathExists(s + "\\empty") || PathExists(s + "\\plain"));

    // A folder swapped for a link while its subfolders were walked is neither
    // entered nor removed afterwards.
    struct SwappingHost : ScriptedHost {
        std::function<void()> swap;
        int ListSubfolders(NameList& names, const std::string& folder, NameList& refused) override
        {
            if (folder.find("inner") != std::string::npos && swap)
                std::exchange(swap, nullptr)();
            return CSystemHost::ListSubfolders(names, folder, refused);
        }
    };
    RunFixture<SwappingHost> h;
    h.run.m_bRemoveEmpty = 1;
    root.MakeFolder("T\\A\\inner");
    h.host.swap = [&] {
        ::MoveFileA((root / "T\\A").c_str(), (root / "T\\moved").c_str());
        MakeLink(outside.Path(), root / "T\\A");
    };
    h.Start(root / "T", {"*.tmp"});
    EXPECT_TRUE(PathExists(linked) && PathExists(outside.Path()));
}

// 259 bytes is the longest path the A functions take; a longer file,
// subfolder or listing pattern is reported, never cut.
TEST(DeleteRunMends, PathsBeyondTheLimitAreReportedNotCut)
{
    TestFolder s;
    const std::string d = s.MakeFolder(std::string(248 - s.Path().size() - 1, 'd'));
    const std::string e = s.MakeFolder(std::string(256 - s.Path().size() - 1, 'e'));
    s.MakeFile(d.substr(s.Path().size() + 1) + "\\123456.obj");
    ASSERT_TRUE(MakeWide(d, L"1234567.obj"));
    ASSERT_TRUE(MakeWide(d, L"abcdefghijk\\"));
    ASSERT_TRUE(MakeWide(e, L"x\\"));
    ASSERT_TRUE(MakeWide(e, L"x\\v.obj"));
    RunFixture<> f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.obj"});
    EXPECT_EQ(f.host.Events("log:"),
              (Lines{Failed(d + "\\abcdefghijk", ERROR_FILENAME_EXCED_RANGE), "削除:" + d + "\\123456.obj",
                     Failed(d + "\\1234567.obj", ERROR_FILENAME_EXCED_RANGE),
                     Failed(e + "\\*.*", ERROR_FILENAME_EXCED_RANGE),
                     Failed(e + "\\*.obj", ERROR_FILENAME_EXCED_RANGE)}));
    EXPECT_EQ(f.run.m_nFailed, 4);
    EXPECT_TRUE(PathExists(e + "\\x\\v.obj") && PathExists(d + "\\1234567.obj"));
}
