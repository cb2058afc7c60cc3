#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "ScriptedHost.h"
#include "TestFolder.h"

namespace {

const char kDeleting[] = "ﾌｧｲﾙを削除中です...";

std::string Folder(const std::string& path)
{
    return "ﾌｫﾙﾀﾞ '" + path + "' を処理中です...";
}

} // namespace

TEST(DeleteRun, WalksSubfoldersFirstAndRemovesEmptiedFoldersBottomUp)
{
    TestFolder s;
    for (const char* file : {"s.tmp", "A\\a.tmp", "B\\b.tmp", "B\\C\\c.tmp"})
        s.MakeFile(file);
    RunFixture<> f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.tmp"});
    f.host.events.erase(std::remove_if(f.host.events.begin(), f.host.events.end(),
                                       [](const std::string& e) { return e.find("list:") == 0; }),
                        f.host.events.end());
    const Lines expected = {
        "status:" + std::string(kDeleting),   "status:" + Folder(s / "A"),
        "delete:" + (s / "A\\a.tmp"),         "log:削除:" + (s / "A\\a.tmp"),
        "removed:" + (s / "A"),               "status:" + Folder(s / "B"),
        "status:" + Folder(s / "B\\C"),       "delete:" + (s / "B\\C\\c.tmp"),
        "log:削除:" + (s / "B\\C\\c.tmp"),    "removed:" + (s / "B\\C"),
        "delete:" + (s / "B\\b.tmp"),         "log:削除:" + (s / "B\\b.tmp"),
        "removed:" + (s / "B"),               "delete:" + (s / "s.tmp"),
        "log:削除:" + (s / "s.tmp"),
    };
    EXPECT_EQ(f.host.events, expected);
    EXPECT_EQ(f.run.m_nDeleted, 4);
    EXPECT_EQ(f.run.m_nFailed, 0);
    EXPECT_TRUE(PathExists(s.Path()));
    // One pending message before each pattern of each folder and each file.
    EXPECT_EQ(f.host.pumps, 4 + 4);
}

// Each pattern lists the folder again: a failure is met once per pattern, a
// deleted file only once; trailing blanks and dots are dropped as the
// search drops them; short names and folders never match.
TEST(DeleteRun, EachPatternListsTheFolderAgain)
{
    for (const char* tail : {"", "\\"}) {
        TestFolder s;
        for (const char* file : {"a.tmp", "b.TMP", "app.resources", "settings.tmpl", "folder.tmp\\keep.txt"})
            s.MakeFile(file);
        s.MakeFolder("empty");
        const std::string locked = s.MakeFile("locked.obj");
        ASSERT_TRUE(::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
        RunFixture<> f;
        f.run.m_bRemoveEmpty = 1;
        f.Start(s.Path() + tail, {"*.tmp ", "*.TMP", "*.obj", "locked.*", "*.res."});
        EXPECT_EQ(f.host.Events("log:"), (Lines{"削除:" + (s / "a.tmp"), "削除:" + (s / "b.TMP"),
                                          Failed(locked, ERROR_ACCESS_DENIED), Failed(locked, ERROR_ACCESS_DENIED)}));
        EXPECT_EQ(f.run.m_nDeleted, 2);
        EXPECT_EQ(f.run.m_nFailed, 2);
        EXPECT_TRUE(PathExists(s / "app.resources") && PathExists(s / "settings.tmpl"));
        EXPECT_FALSE(PathExists(s / "empty"));
        EXPECT_TRUE(PathExists(s.Path())) << "the start folder is never removed";
    }
}

TEST(DeleteRun, OptionsLimitWhatTheWalkTouches)
{
    TestFolder s;
    const std::string top = s.MakeFile("top.tmp");
    const std::string locked = s.MakeFile("locked.tmp");
    ::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    s.MakeFile("sub\\deep.tmp");
    s.MakeFolder("empty");
    RunFixture<> f;
    f.run.m_bNoSubfolders = 1;
    f.run.m_bRemoveEmpty = 1;
    f.run.m_bNoLog = 1;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_FALSE(PathExists(top));
    EXPECT_TRUE(PathExists(s / "sub\\deep.tmp"));
    EXPECT_TRUE(PathExists(s / "empty"));
    EXPECT_TRUE(f.host.Events("log:").empty());
    EXPECT_EQ(f.host.Events("status:"), Lines{kDeleting});
    EXPECT_EQ(f.run.m_nDeleted, 1);
    EXPECT_EQ(f.run.m_nFailed, 1);
}

TEST(DeleteRun, HiddenAndSystemFoldersAreNotEnteredButSuchFilesAreDeleted)
{
    TestFolder s;
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const std::string name = "attr" + std::to_string(attribute);
        s.MakeFile(name + "\\keep.tmp");
        ASSERT_TRUE(::SetFileAttributesA((s / name).c_str(), attribute));
        ::SetFileAttributesA(s.MakeFile("plain\\" + name + ".tmp").c_str(), attribute);
    }
    s.MakeFile(".dotted\\keep.tmp");
    RunFixture<> f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(f.run.m_nDeleted, 2);
    EXPECT_FALSE(PathExists(s / "plain"));
    for (const char* kept : {"attr2\\keep.tmp", "attr4\\keep.tmp", ".dotted\\keep.tmp"})
        EXPECT_TRUE(PathExists(s / kept)) << kept;
}

TEST(DeleteRun, ConfirmationOutcomes)
{
    TestFolder s;
    for (const char* file : {"a.tmp", "b.tmp", "c.tmp", "d.tmp"})
        s.MakeFile(file);
    RunFixture<> f;
    f.run.m_bConfirmEach = 1;
    f.host.answers = {{IDOK, 0, 0}, {IDCANCEL, 0, 0}, {IDCANCEL, 0, 1}};
    f.Start(s.Path(), {"*.tmp"});
    // Yes deletes, no keeps and goes on, abort keeps the file and stops.
    const std::string stopped = " -->ユーザーによる削除の中止";
    EXPECT_EQ(f.host.Events("log:"), (Lines{"削除:" + (s / "a.tmp"), "中止:" + (s / "b.tmp") + stopped,
                                      "中止:" + (s / "c.tmp") + stopped}));
    EXPECT_EQ(f.host.Events("delete:"), Lines{s / "a.tmp"});
    EXPECT_EQ(f.run.m_nDeleted, 1);
    EXPECT_FALSE(f.run.IsRunning());

    // Ticking "no more questions" and answering no skips this file only.
    s.MakeFile("sub\\e.tmp");
    RunFixture<> g;
    g.run.m_bConfirmEach = 1;
    g.host.answers = {{IDCANCEL, 1, 0}};
    g.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(g.host.Events("confirm:"), Lines{s / "sub\\e.tmp"});
    EXPECT_EQ(g.run.m_nDeleted, 3);
    EXPECT_EQ(g.run.m_bConfirmEach, 0);
}

// The close button clears the flag while a message is being dispatched:
// nothing is deleted after that, but the walk still visits every folder.
TEST(DeleteRun, AbortStopsDeletingButTheWalkStillRemovesEmptyFolders)
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
            f.host.events.push_back("abort");
        }
    };
    f.Start(s.Path(), {"*.tmp"});
    const auto abort = std::find(f.host.events.begin(), f.host.events.end(), "abort");
    ASSERT_NE(abort, f.host.events.end());
    for (auto event = abort; event != f.host.events.end(); ++event)
        EXPECT_TRUE(event->find("delete:") && event->find("log:") && event->find("list:")) << *event;
    EXPECT_EQ(f.run.m_nDeleted, 4);
    EXPECT_FALSE(PathExists(s / "zz_empty")) << "the walk goes on after the abort";
    EXPECT_EQ(f.host.Events("status:").size(), 22u);
}

TEST(DeleteRun, RecycleModeMovesFilesToTheTrashAndPausesPerFile)
{
    TestFolder s;
    const std::string name = "recycled-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
    s.MakeFile(name, name);
    struct GhostHost : ScriptedHost {
        int ListFiles(const std::string& pattern, NameList& names, NameList& refused) override
        {
            CSystemHost::ListFiles(pattern, names, refused);
            names.push_back("gone.tmp");
            return static_cast<int>(names.size());
        }
    };
    RunFixture<GhostHost> f;
    f.run.m_bRecycle = 1;
    // Wine's tick count moves in steps of about 16 ms; the steady clock does not.
    const auto start = std::chrono::steady_clock::now();
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(198));
    EXPECT_EQ(f.host.pausedMs, 200u);
    EXPECT_EQ(f.host.Events("log:"), (Lines{"削除:" + (s / name), "障害:" + (s / "gone.tmp") + " -->ごみ箱に転送できません．"}));
    EXPECT_EQ(f.run.m_nFailed, 1);
    // The test run points XDG_DATA_HOME at a trash of its own.
    char dataHome[MAX_PATH] = {};
    ASSERT_GT(::GetEnvironmentVariableA("XDG_DATA_HOME", dataHome, MAX_PATH), 0u);
    std::string trash = std::string("Z:") + dataHome + "/Trash/";
    std::replace(trash.begin(), trash.end(), '/', '\\');
    EXPECT_EQ(ReadBytes(trash + "files\\" + name), name);
    ::DeleteFileA((trash + "files\\" + name).c_str());
    ::DeleteFileA((trash + "info\\" + name + ".trashinfo").c_str());
}
