#include <gtest/gtest.h>

#include <algorithm>

#include "ScriptedHost.h"
#include "TestFolder.h"

const char kDeleting[] = "ﾌｧｲﾙを削除中です...";

static std::string Folder(const std::string& path) { return "ﾌｫﾙﾀﾞ '" + path + "' を処理中です..."; }

TEST(DeleteRun, WithoutLogTheWalkNamesNoFolder)
{
    TestFolder s;
    s.MakeFile("sub\\deep.tmp");
    s.MakeFile("sub\\kept.tmq");
    // Nor is the file declined at the confirmation written anywhere.
    struct DecliningOnceHost : ScriptedHost {
        Confirmation Confirm(const std::string& file) override { return {file.back() == 'q' ? IDCANCEL : IDOK, 0, 0}; }
    };
    RunFixture<DecliningOnceHost> f;
    f.run.m_bNoLog = 1;
    f.run.m_bConfirmEach = 1;
    f.Start(s.Path(), {"*.tmp", "*.tmq"});
    EXPECT_EQ(f.host.Events("status:"), Lines{kDeleting});
    EXPECT_EQ(f.host.Events("log:"), Lines{});
    EXPECT_EQ(f.run.m_nDeleted, 1);
}

// After a stop nothing more is deleted; the walk still removes emptied folders.
TEST(DeleteRun, AStopEndsTheDeletionsAtOnceButNotTheWalk)
{
    TestFolder s;
    for (int i = 0; i < 20; ++i)
        s.MakeFile("d" + std::to_string(i) + "\\f.tmp");
    s.MakeFolder("zz_empty");
    RunFixture<> f;
    f.run.m_bRemoveEmpty = 1;
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
        EXPECT_TRUE(event->find("delete:") && event->find("log:") && event->find("list:")) << *event;
    EXPECT_EQ(f.run.m_nDeleted, 4);
    EXPECT_FALSE(PathExists(s / "zz_empty"));
    EXPECT_EQ(f.host.Events("status:").size(), 22u);
    EXPECT_EQ(f.host.Events("status:").at(1), Folder(s / "d0"));

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
}

TEST(DeleteRun, RecycleModeMovesFilesToTheTrashAndPausesPerFile)
{
    TestFolder s;
    const std::string name = "recycled-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
    s.MakeFile(name, name);
    // Listed as "?", which the shell would take as a wildcard.
    ASSERT_TRUE(MakeWide(s.Path(), L"\uD55C" + std::wstring(name.begin() + 1, name.end())));
    // A folder took the place of a listed file: it stays, with what it holds.
    const std::string kept = s.MakeFile("dir.tmp\\keep.txt");
    struct GhostHost : ScriptedHost {
        int ListFiles(const std::string& pattern, NameList& names, NameList& refused) override
        {
            CSystemHost::ListFiles(pattern, names, refused);
            names.push_back("dir.tmp");
            return static_cast<int>(names.size());
        }
    };
    RunFixture<GhostHost> f;
    f.run.m_bRecycle = 1;
    f.run.m_bNoSubfolders = 1;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(f.host.pausedMs, 200u);
    EXPECT_EQ(f.host.Events("log:"), (Lines{Failed(s / ("?" + name.substr(1)), ERROR_INVALID_NAME), "削除:" + (s / name),
                                            "障害:" + (s / "dir.tmp") + " -->ごみ箱に転送できません．"}));
    EXPECT_EQ(f.run.m_nFailed, 2);
    EXPECT_TRUE(PathExists(kept));
    EXPECT_EQ(TakeFromTrash(name), name);
}
