#include <gtest/gtest.h>

#include <algorithm>

#include "ScriptedHost.h"
#include "TestFolder.h"

const char kDeleting[] = "ﾌｧｲﾙを削除中です...";

static std::string Folder(const std::string& path) { return "ﾌｫﾙﾀﾞ '" + path + "' を処理中です..."; }

// Pattern by pattern: the second pattern's file is asked about first. The
// queue is looked at at once before each question and at the end.
TEST(DeleteRun, WithoutLogTheWalkNamesNoFolderAndAsksPatternByPattern)
{
    TestFolder s;
    s.MakeFile("sub\\a.tmq");
    s.MakeFile("sub\\b.tmp");
    // Nor is the file declined at the confirmation written anywhere.
    struct DecliningHost : ScriptedHost {
        Confirmation Confirm(const std::string& file) override
        {
            events.push_back("ask:" + file);
            return {file.back() == 'q' ? IDCANCEL : IDOK, 0, 0};
        }
    };
    RunFixture<DecliningHost> f;
    f.request.bNoLog = 1;
    f.request.bConfirmEach = 1;
    f.Start(s.Path(), {"*.tmp", "*.tmq"});
    EXPECT_EQ(f.host.Events("status:"), Lines{kDeleting});
    EXPECT_EQ(f.host.Events("ask:"), (Lines{s / "sub\\b.tmp", s / "sub\\a.tmq"}));
    EXPECT_EQ(f.host.Events("log:"), Lines{});
    EXPECT_EQ(std::make_pair(f.run.m_nDeleted, f.host.looks), std::make_pair(1, 3));
    // A pattern that would name another folder refuses the whole entry.
    f.run.End();
    for (const char* refused : {"..\\*.tmq", "C:*", "sub\\*.tmq"}) {
        f.Start(s.Path(), {"*.tmp", refused, "*.tmq"});
        EXPECT_EQ(f.run.m_strRefusedPattern, refused);
        EXPECT_FALSE(f.run.IsRunning() || f.run.IsInRun() || f.run.m_nDeleted);
    }
    EXPECT_TRUE(PathExists(s / "sub\\a.tmq") && f.host.pumps == 7);
}

// After a stop nothing more is deleted; the walk still removes emptied folders.
TEST(DeleteRun, AStopEndsTheDeletionsAtOnceButNotTheWalk)
{
    TestFolder s;
    for (int i = 0; i < 20; ++i)
        s.MakeFile("d" + std::to_string(i) + "\\f.tmp");
    s.MakeFolder("zz_empty");
    RunFixture<> f;
    f.request.bRemoveEmpty = 1;
    f.host.onPump = [&](int pump) {
        if (pump == 10) {
            f.run.Stop();
            f.host.events.push_back("stop");
        }
    };
    f.Start(s.Path(), {"*.tmp"});
    const auto stop = std::find(f.host.events.begin(), f.host.events.end(), "stop");
    ASSERT_NE(stop, f.host.events.end());
    for (auto event = stop; event != f.host.events.end(); ++event)
        EXPECT_TRUE(event->find("delete:") && event->find("log:")) << *event;
    EXPECT_EQ(f.run.m_nDeleted, 4);
    EXPECT_FALSE(PathExists(s / "zz_empty"));
    EXPECT_EQ(f.host.Events("status:").size(), 22u);
    EXPECT_EQ(f.host.Events("status:").at(1), Folder(s / "d0"));
    EXPECT_EQ(f.host.Events("list").size(), 22u) << "one listing a folder";

    // The fourth file is deleted but its line is lost: nothing after it.
    RunFixture<> g;
    int stops = 0;
    g.run.SetStopListener([&] { stops += !g.run.IsRunning() && g.run.IsInRun(); });
    g.host.logError = ERROR_DISK_FULL;
    g.host.failLogAfter = 3;
    g.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(stops, 1) << "the window hears of the lost line";
    EXPECT_EQ(g.run.m_dwLogError, static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(g.host.Events("delete:").size(), 4u);
    EXPECT_EQ(g.run.m_nDeleted, 4);
    g.run.End();
    g.Start(s.Path(), {}); // nothing is walked, nothing is left over
    EXPECT_EQ(g.run.m_nDeleted + static_cast<int>(g.run.m_dwLogError), 0);
}

// The shell knows no "\\?\" paths: a path of MAX_PATH characters, or a name
// its path rules would cut short, stays and is reported. So does a folder
// that took a listed file's place, with what it holds.
TEST(DeleteRun, RecycleModeMovesFilesToTheTrashAndPausesPerFile)
{
    TestFolder s;
    const std::string name = "recycled-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
    s.MakeFile(name, name);
    const std::string odd[] = {s.MakeFile("y.tmp "), s.MakeFile("y.tmp.")};
    const std::string longName(252 - s.Path().size(), 'L');
    ASSERT_TRUE(MakeWide(s.Path(), std::wstring(longName.begin(), longName.end()) + L"\\"));
    const std::string longest = s.MakeFile(longName + "\\a.tmp"), tooLong = s.MakeFile(longName + "\\ab.tmp");
    ASSERT_EQ(tooLong.size(), size_t{MAX_PATH});
    const std::string kept = s.MakeFile("dir.tmp\\keep.txt");
    struct GhostHost : ScriptedHost {
        FolderEntries ListFolder(const CHeldFolder& folder) override
        {
            FolderEntries entries = CSystemHost::ListFolder(folder);
            if (std::any_of(entries.begin(), entries.end(), [](const FolderEntry& e) { return e.strName == L"y.tmp."; }))
                entries.push_back({L"dir.tmp", FILE_ATTRIBUTE_ARCHIVE});
            return entries;
        }
    };
    RunFixture<GhostHost> f;
    f.request.bRecycle = 1;
    f.Start(s.Path(), {"*.tmp", "y.*"});
    EXPECT_EQ(f.host.pausedMs, 600u);
    const std::string dotOrBlank = " -->名前が'.'か空白で終わるため、ごみ箱に転送できません．";
    EXPECT_EQ(f.host.Events("log:"),
              (Lines{"削除:" + longest, "障害:" + tooLong + " -->ﾊﾟｽが長すぎるため、ごみ箱に転送できません．",
                     "削除:" + (s / name), "障害:" + (s / "dir.tmp") + " -->ごみ箱に転送できません．",
                     "障害:" + odd[0] + dotOrBlank, "障害:" + odd[1] + dotOrBlank}));
    EXPECT_TRUE(PathExists(kept) && PathExists(odd[0]) && PathExists(odd[1]) && PathExists(tooLong));
    EXPECT_EQ(TakeFromTrash(name) + TakeFromTrash("a.tmp"), name);
}

// A look takes every waiting message; between looks the queue is left alone.
TEST(DeleteRun, ThePumpLooksAtTheQueueEveryTenMillisecondsAndTakesAllThatWaits)
{
    ScriptedHost host;
    const auto post = [] { ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP, 0, 0); };
    MSG msg;
    post();
    post();
    host.CSystemHost::PumpMessages(true);
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    int calls = 0, looks = 0;
    for (const ULONGLONG end = ::GetTickCount64() + 200; ::GetTickCount64() < end; ++calls) {
        post();
        host.CSystemHost::PumpMessages(false);
        looks += !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    }
    EXPECT_TRUE(looks >= 5 && looks <= 25 && calls > 10 * looks) << looks << " looks in " << calls << " calls";
}
