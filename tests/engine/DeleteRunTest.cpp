#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "ScriptedHost.h"
#include "TestFolder.h"
#include "engine/DeleteLog.h"
#include "fsutil/ErrorText.h"

namespace {

std::vector<std::string> EventsOfKind(const std::vector<std::string>& events, const std::string& kind)
{
    std::vector<std::string> found;
    for (const std::string& event : events) {
        if (event.compare(0, kind.size(), kind) == 0)
            found.push_back(event);
    }
    return found;
}

std::string FolderStatus(const std::string& path)
{
    return "status:ﾌｫﾙﾀﾞ '" + path + "' を処理中です...";
}

} // namespace

TEST(DeleteRun, WalksSubfoldersFirstAndRemovesEmptiedFoldersBottomUp)
{
    TestFolder s;
    s.MakeFile("s.tmp");
    s.MakeFile("A\\a.tmp");
    s.MakeFile("B\\b.tmp");
    s.MakeFile("B\\C\\c.tmp");
    RunFixture f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.tmp"});

    const std::vector<std::string> expected = {
        "status:ﾌｧｲﾙを削除中です...",
        FolderStatus(s / "A"),
        "log:削除:" + (s / "A\\a.tmp"),
        "removed:" + (s / "A"),
        FolderStatus(s / "B"),
        FolderStatus(s / "B\\C"),
        "log:削除:" + (s / "B\\C\\c.tmp"),
        "removed:" + (s / "B\\C"),
        "log:削除:" + (s / "B\\b.tmp"),
        "removed:" + (s / "B"),
        "log:削除:" + (s / "s.tmp"),
    };
    EXPECT_EQ(f.host.events, expected);
    EXPECT_EQ(f.run.m_nDeleted, 4);
    EXPECT_EQ(f.run.m_nFailed, 0);
    EXPECT_TRUE(PathExists(s.Path()));
}

// One pending message before each pattern of each folder and before each
// file: no more (a drain would starve the walk), no fewer (the window would
// freeze).
TEST(DeleteRun, PumpsOncePerPatternAndOncePerFile)
{
    TestFolder s;
    s.MakeFile("a.obj");
    s.MakeFile("b.pdb");
    s.MakeFile("sub\\c.obj");
    s.MakeFile("sub\\keep.txt");
    RunFixture f;
    f.Start(s.Path(), {"*.obj", "*.pdb", "*.ilk"});
    EXPECT_EQ(f.host.pumps, 2 * 3 + 3);
}

TEST(DeleteRun, StartFolderWithOrWithoutBackslashGivesTheSamePaths)
{
    for (const char* tail : {"", "\\"}) {
        TestFolder s;
        s.MakeFile("x.tmp");
        s.MakeFolder("empty");
        RunFixture f;
        f.run.m_bRemoveEmpty = 1;
        f.Start(s.Path() + tail, {"*.tmp"});
        EXPECT_EQ(f.host.logLines, std::vector<std::string>{"削除:" + (s / "x.tmp")}) << tail;
        EXPECT_FALSE(PathExists(s / "empty"));
        EXPECT_TRUE(PathExists(s.Path())) << "the start folder is never removed";
    }
}

TEST(DeleteRun, PatternsDifferingInCaseDeleteEachFileOnce)
{
    TestFolder s;
    s.MakeFile("a.tmp");
    s.MakeFile("B.TMP");
    RunFixture f;
    f.Start(s.Path(), {"*.tmp", "*.TMP"});
    EXPECT_EQ(f.host.logLines.size(), 2u);
    EXPECT_EQ(f.run.m_nDeleted, 2);
}

TEST(DeleteRun, ReadOnlyFileFailsOncePerMatchingPattern)
{
    TestFolder s;
    const std::string file = s.MakeFile("locked.obj");
    ASSERT_TRUE(::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    RunFixture f;
    f.Start(s.Path(), {"*.obj", "locked.*"});
    const std::string line = "障害:" + file + " -->" + GetSystemErrorText(ERROR_ACCESS_DENIED);
    EXPECT_EQ(f.host.logLines, (std::vector<std::string>{line, line}));
    EXPECT_EQ(f.run.m_nFailed, 2);
    EXPECT_EQ(f.run.m_nDeleted, 0);
    EXPECT_TRUE(PathExists(file));
}

TEST(DeleteRun, HiddenAndSystemFoldersAreNotEnteredButSuchFilesAreDeleted)
{
    TestFolder s;
    for (const char* name : {"hidden", "system"}) {
        s.MakeFile(std::string(name) + "\\keep.tmp");
        const DWORD attribute = name[0] == 'h' ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_SYSTEM;
        ASSERT_TRUE(::SetFileAttributesA((s / name).c_str(), attribute));
    }
    s.MakeFile(".dotted\\keep.tmp");
    const std::string hiddenFile = s.MakeFile("plain\\h.tmp");
    const std::string systemFile = s.MakeFile("plain\\s.tmp");
    ::SetFileAttributesA(hiddenFile.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesA(systemFile.c_str(), FILE_ATTRIBUTE_SYSTEM);
    RunFixture f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_TRUE(PathExists(s / "hidden\\keep.tmp"));
    EXPECT_TRUE(PathExists(s / "system\\keep.tmp"));
    EXPECT_TRUE(PathExists(s / ".dotted\\keep.tmp"));
    EXPECT_FALSE(PathExists(hiddenFile));
    EXPECT_FALSE(PathExists(systemFile));
    EXPECT_FALSE(PathExists(s / "plain"));
    EXPECT_EQ(f.run.m_nDeleted, 2);
}

TEST(DeleteRun, ChainOfEmptiedFoldersCollapsesInOneRun)
{
    TestFolder s;
    s.MakeFile("A\\B\\one.obj");
    s.MakeFile("A\\B\\two.obj");
    s.MakeFolder("Empty");
    s.MakeFile("Kept\\note.txt");
    RunFixture f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.obj"});
    EXPECT_EQ(EventsOfKind(f.host.events, "removed:"),
              (std::vector<std::string>{"removed:" + (s / "A\\B"), "removed:" + (s / "A"),
                                        "removed:" + (s / "Empty")}));
    EXPECT_TRUE(PathExists(s / "Kept"));
}

TEST(DeleteRun, NoSubfoldersHandlesOnlyTheStartFolder)
{
    TestFolder s;
    const std::string top = s.MakeFile("top.tmp");
    const std::string deep = s.MakeFile("sub\\deep.tmp");
    s.MakeFolder("empty");
    RunFixture f;
    f.run.m_bNoSubfolders = 1;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_FALSE(PathExists(top));
    EXPECT_TRUE(PathExists(deep));
    EXPECT_TRUE(PathExists(s / "empty"));
    EXPECT_EQ(EventsOfKind(f.host.events, "status:").size(), 1u);
}

TEST(DeleteRun, LoggingOffWritesNothingAndShowsNoFolderTexts)
{
    TestFolder s;
    s.MakeFile("sub\\a.tmp");
    RunFixture f;
    f.run.m_bNoLog = 1;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_TRUE(f.host.logLines.empty());
    EXPECT_EQ(EventsOfKind(f.host.events, "status:"),
              std::vector<std::string>{"status:ﾌｧｲﾙを削除中です..."});
    EXPECT_EQ(f.run.m_nDeleted, 1);
}

TEST(DeleteRun, ConfirmationOutcomes)
{
    TestFolder s;
    const std::string a = s.MakeFile("a.tmp");
    const std::string b = s.MakeFile("b.tmp");
    const std::string c = s.MakeFile("c.tmp");
    const std::string d = s.MakeFile("d.tmp");
    RunFixture f;
    f.run.m_bConfirmEach = 1;
    f.host.answers = {{IDOK, 0, 0}, {IDCANCEL, 0, 0}, {IDCANCEL, 0, 1}};
    f.Start(s.Path(), {"*.tmp"});
    // Yes deletes, no keeps and goes on, abort keeps the file and stops.
    EXPECT_FALSE(PathExists(a));
    EXPECT_TRUE(PathExists(b));
    EXPECT_TRUE(PathExists(c));
    EXPECT_TRUE(PathExists(d));
    const std::string stopped = " -->ユーザーによる削除の中止";
    EXPECT_EQ(f.host.logLines,
              (std::vector<std::string>{"削除:" + a, "中止:" + b + stopped, "中止:" + c + stopped}));
    EXPECT_EQ(f.run.m_nDeleted, 1);
    EXPECT_EQ(f.run.m_nFailed, 0);
    EXPECT_FALSE(f.run.IsRunning());
}

TEST(DeleteRun, StopAskingSkipsThisFileAndDeletesTheRestUnasked)
{
    TestFolder s;
    const std::string a = s.MakeFile("a.tmp");
    s.MakeFile("b.tmp");
    s.MakeFile("sub\\c.tmp");
    RunFixture f;
    f.run.m_bConfirmEach = 1;
    f.host.answers = {{IDCANCEL, 1, 0}};
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(EventsOfKind(f.host.events, "confirm:").size(), 1u);
    EXPECT_EQ(f.run.m_nDeleted, 2);
    EXPECT_EQ(f.run.m_bConfirmEach, 0);
    // The first file asked about is in the subfolder (walked first).
    EXPECT_TRUE(PathExists(s / "sub\\c.tmp"));
    EXPECT_FALSE(PathExists(a));
}

TEST(DeleteRun, AbortStopsDeletingButTheWalkStillRemovesEmptyFolders)
{
    TestFolder s;
    for (int i = 0; i < 20; ++i)
        s.MakeFile("d" + std::to_string(i) + "\\f.tmp");
    s.MakeFolder("zz_empty");
    RunFixture f;
    f.run.m_bRemoveEmpty = 1;
    // The close button clears the flag while a message is being dispatched.
    f.host.onPump = [&](int pump) {
        if (pump == 10)
            f.run.Stop();
    };
    f.Start(s.Path(), {"*.tmp"});
    const int deleted = f.run.m_nDeleted;
    EXPECT_GT(deleted, 0);
    EXPECT_LT(deleted, 20);
    EXPECT_EQ(static_cast<int>(f.host.logLines.size()), deleted);
    int remaining = 0;
    for (int i = 0; i < 20; ++i)
        remaining += PathExists(s / ("d" + std::to_string(i) + "\\f.tmp"));
    EXPECT_EQ(remaining, 20 - deleted);
    EXPECT_FALSE(PathExists(s / "zz_empty")) << "the walk goes on after the abort";
    // Still one status text per folder visited after the abort.
    EXPECT_EQ(EventsOfKind(f.host.events, "status:ﾌｫﾙﾀﾞ").size(), 21u);
}

TEST(DeleteRun, RecycleModeMovesFilesToTheTrashAndPausesPerFile)
{
    TestFolder s;
    const std::string tag = std::to_string(::GetCurrentProcessId());
    const std::vector<std::string> names = {"recycled-" + tag + ".tmp", "recycled-" + tag + ".bak"};
    for (const std::string& name : names)
        s.MakeFile(name, name);
    RunFixture f;
    f.run.m_bRecycle = 1;
    // Wine's tick count moves in steps of about 16 ms; the steady clock does not.
    const auto start = std::chrono::steady_clock::now();
    f.Start(s.Path(), {"*.tmp", "*.bak"});
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(f.run.m_nDeleted, 2);
    EXPECT_GE(elapsed, std::chrono::milliseconds(198));
    EXPECT_EQ(f.host.pausedMs, 200u);

    // The test run points XDG_DATA_HOME at a trash of its own.
    char dataHome[MAX_PATH] = {};
    ASSERT_GT(::GetEnvironmentVariableA("XDG_DATA_HOME", dataHome, MAX_PATH), 0u);
    for (const std::string& name : names) {
        EXPECT_FALSE(PathExists(s / name));
        std::string trash = std::string("Z:") + dataHome + "/Trash/";
        std::replace(trash.begin(), trash.end(), '/', '\\');
        EXPECT_EQ(ReadBytes(trash + "files\\" + name), name);
        ::DeleteFileA((trash + "files\\" + name).c_str());
        ::DeleteFileA((trash + "info\\" + name + ".trashinfo").c_str());
    }
}

TEST(DeleteRun, RecycleFailureIsLoggedWithTheShellsReason)
{
    TestFolder s;
    const std::string name = s / "gone.tmp";
    struct VanishingHost : ScriptedHost {
        int ListFiles(const std::string&, NameList& names, NameList&) override
        {
            names = {"gone.tmp"};
            return 1;
        }
    };
    VanishingHost host;
    CDeleteRun run(host);
    run.m_strFolder = s.Path();
    run.m_arrPatterns = {"*.tmp"};
    run.m_bRecycle = 1;
    run.Begin();
    run.StartDelete();
    EXPECT_EQ(host.logLines, std::vector<std::string>{"障害:" + name + " -->ごみ箱に転送できません．"});
    EXPECT_EQ(run.m_nFailed, 1);
    EXPECT_EQ(host.pausedMs, 100u);
}
