// What the run must never do: follow links, join names that hold path
// syntax, follow a pattern into another folder, cut long paths, or go on
// deleting without a log.
#include <gtest/gtest.h>

#include <windows.h>

#include "ScriptedHost.h"
#include "TestFolder.h"

TEST(DeleteRunMends, LinkedFoldersAreNeverEntered)
{
    TestFolder outside;
    const std::string victim = outside.MakeFile("precious.obj");
    TestFolder s;
    ASSERT_TRUE(MakeLink(outside.Path(), s / "link"));
    RunFixture<> f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.obj"});
    EXPECT_TRUE(PathExists(victim));

    // A folder swapped for a link between listing and entering is caught
    // when the walk enters it.
    struct StaleListingHost : ScriptedHost {
        int ListSubfolders(NameList& names, const std::string& folder, NameList&) override
        {
            if (folder.find("link") == std::string::npos)
                names.push_back("link");
            return static_cast<int>(names.size());
        }
    };
    RunFixture<StaleListingHost> g;
    g.Start(s.Path(), {"*.obj"});
    EXPECT_TRUE(PathExists(victim));
    EXPECT_EQ(g.run.m_nDeleted + f.run.m_nDeleted, 0);
}

// "¥" (U+00A5) reaches the A functions as a backslash: "x¥..¥..¥victim.tmp"
// would name a file two folders up, "d¥..¥.." the folder above the start.
TEST(DeleteRunMends, NamesHoldingPathSyntaxAreReportedNeverJoined)
{
    TestFolder root;
    const std::string victim = root.MakeFile("victim.tmp");
    const std::string s = root.MakeFolder("S");
    const std::string plain = root.MakeFile("S\\plain.tmp");
    ASSERT_TRUE(MakeWide(s, L"x\u00a5..\u00a5..\u00a5victim.tmp"));
    ASSERT_TRUE(MakeWide(s, L"d\u00a5..\u00a5..\\"));
    RunFixture<> f;
    f.Start(s, {"*.tmp"});
    EXPECT_TRUE(PathExists(victim));
    EXPECT_FALSE(PathExists(plain));
    EXPECT_EQ(f.host.Events("log:"), (Lines{Failed(s + "\\d\\..\\..", ERROR_INVALID_NAME),
                                      Failed(s + "\\x\\..\\..\\victim.tmp", ERROR_INVALID_NAME),
                                      "削除:" + plain}));
    EXPECT_EQ(f.run.m_nFailed, 2);
    EXPECT_EQ(f.run.m_nDeleted, 1);
}

TEST(DeleteRunMends, PatternNamingAnotherFolderIsRefusedBeforeTheWalk)
{
    for (const char* bad : {"..\\*.obj", "C:*.obj", "sub\\*.obj"}) {
        TestFolder s;
        const std::string inside = s.MakeFile("sub\\x.obj");
        const std::string plain = s.MakeFile("y.obj");
        RunFixture<> f;
        f.Start(s / "sub", {"*.tmp", bad});
        EXPECT_EQ(f.run.m_strRefusedPattern, bad);
        EXPECT_TRUE(PathExists(inside) && PathExists(plain));
        EXPECT_EQ(f.host.pumps, 0) << "nothing is walked";
        EXPECT_TRUE(f.host.Events("log:").empty());
    }
}

// 259 bytes is the longest path the A functions take; a longer one is
// reported, never cut: a file, a subfolder, and the listing of a folder whose
// own path still fits.
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

TEST(DeleteRunMends, FailedLogWriteStopsTheDeletionsAtOnce)
{
    TestFolder s;
    for (int i = 0; i < 10; ++i)
        s.MakeFile("f" + std::to_string(i) + ".tmp");
    RunFixture<> f;
    f.host.logError = ERROR_DISK_FULL;
    f.host.failLogAfter = 3;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(f.run.m_dwLogError, static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_FALSE(f.run.IsRunning());
    // The fourth file was deleted but could not be logged; nothing after it.
    EXPECT_EQ(f.host.Events("delete:").size(), 4u);
    EXPECT_EQ(f.run.m_nDeleted, 4);
}
