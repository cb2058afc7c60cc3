// The drive watchers: the tree follows folder changes on the fixed drive P:,
// and the watchers stop promptly and leave nothing behind. Wine follows only
// folders made after a watch began, so each test makes its area after the
// dialog opened.
#include <gtest/gtest.h>

#include <cstring>

#include "ProcessCounts.h"
#include "TestDrives.h"
#include "TestFolder.h"
#include "TreeDialog.h"
#include "browse/DriveWatcher.h"
#include "win/Event.h"

namespace {

std::string CurrentDirectory()
{
    char path[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof path, path);
    return path;
}

// The dialog open at P: (expanded, as it holds a folder), showing a fresh
// area expanded.
struct WatchedArea {
    DriveArea before{kFixedRoot};
    TreeDialog dlg{kFixedRoot};
    bool watching = WaitForWatcher(dlg);
    DriveArea area{kFixedRoot};
    explicit WatchedArea(const Texts& folders)
    {
        for (const std::string& folder : folders)
            area.MakeFolder(folder);
        ui::WaitUntil([&] { return dlg.Find(area.Path()) && dlg.HasButton(dlg.Find(area.Path())); });
        dlg.ClickButton(dlg.Find(area.Path()));
    }
    Texts Shown(const std::string& relative = "") const
    {
        return dlg.Children(dlg.Find(relative.empty() ? area.Path() : area / relative));
    }
};

} // namespace

TEST(DriveWatcher, FollowsFolderChangesInExpandedFoldersAndPutsTheCurrentDirectoryBack)
{
    TestFolder here;
    ASSERT_TRUE(::SetCurrentDirectoryA(here.Path().c_str()));
    WatchedArea w({"B", "D\\Inside"});
    ASSERT_TRUE(w.watching);
    ASSERT_EQ(w.Shown(), (Texts{"B", "D"}));
    w.dlg.ClickButton(w.dlg.Find(w.area / "D"));

    w.area.MakeFolder("C\\Inside");
    w.area.MakeFolder("D\\New");
    EXPECT_TRUE(ui::WaitUntil([&] { return w.Shown() == Texts{"B", "C", "D"} && w.Shown("D").size() == 2; }));
    EXPECT_TRUE(w.dlg.HasButton(w.dlg.Find(w.area / "C")));
    EXPECT_FALSE(w.dlg.IsExpanded(w.dlg.Find(w.area / "C")));
    RemoveTree(w.area / "B");
    ASSERT_TRUE(::MoveFileA((w.area / "D").c_str(), (w.area / "0Renamed").c_str()));
    EXPECT_TRUE(ui::WaitUntil([&] { return w.Shown() == Texts{"0Renamed", "C"}; }));
    EXPECT_FALSE(w.dlg.IsExpanded(w.dlg.Find(w.area / "0Renamed")));

    // The last subfolder of a shown folder takes its button away, the first
    // one gives it back.
    ::RemoveDirectoryA((w.area / "C\\Inside").c_str());
    EXPECT_TRUE(ui::WaitUntil([&] { return !w.dlg.HasButton(w.dlg.Find(w.area / "C")); }));
    w.area.MakeFolder("C\\First");
    EXPECT_TRUE(ui::WaitUntil([&] { return w.dlg.HasButton(w.dlg.Find(w.area / "C")); }));
    ASSERT_TRUE(ui::Flush(w.dlg.Handle()));
    EXPECT_EQ(CurrentDirectory(), here.Path());
    ::SetCurrentDirectoryA("C:\\");
}

TEST(DriveWatcher, ClosesAtOnceWhileAnotherProcessChurnsAndShowsTheDiskAsItIs)
{
    WatchedArea w({"Kept"});
    ASSERT_TRUE(w.watching);
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    const std::string churnProgram = std::string(module, std::strrchr(module, '\\')) + "\\folder_churn.exe";
    for (bool closing : {false, true}) {
        ::DeleteFileA((w.area / "stop").c_str());
        ui::ChildProcess churn;
        ASSERT_TRUE(churn.Start(churnProgram, w.area.Path()));
        ::Sleep(400);
        const ULONGLONG start = ::GetTickCount64();
        const INT_PTR result = closing ? w.dlg.Close(IDCANCEL) : IDCANCEL;
        const ULONGLONG closed = ::GetTickCount64() - start;
        WriteBytes(w.area / "stop", "");
        ASSERT_TRUE(churn.WaitForExit());
        EXPECT_GT(churn.ExitCode(), 50u) << "folders made by the churn";
        EXPECT_EQ(result, IDCANCEL);
        if (closing)
            EXPECT_LT(closed, 500u);
        else
            EXPECT_TRUE(ui::WaitUntil([&] { return w.Shown() == Texts{"Kept"}; }));
    }
}

TEST(DriveWatcher, StopsEveryWatcherAndLeavesNoHandle)
{
    const win::Event stop(true);
    // A drive without change notification ends its watcher at once.
    EXPECT_EQ(WatchDriveThread(new WatchParam{'K' - 'A', stop.Get(), nullptr, nullptr}), 0u);

    TreeDialog(std::string(), 0).Close(IDCANCEL);
    const int handles = CountOwnHandles();
    const int threads = CountOwnThreads();
    ASSERT_GT(handles, 0);
    for (int round = 0; round < 20; ++round)
        ASSERT_EQ(TreeDialog(std::string(), 0).Close(IDCANCEL), IDCANCEL);
    // A thread that has just ended may be listed for a moment longer; the
    // runtime makes one event of its own some time.
    EXPECT_TRUE(ui::WaitUntil([&] { return CountOwnHandles() - handles <= 1 && CountOwnThreads() == threads; }))
        << CountOwnHandles() << " handles (" << handles << " before), " << CountOwnThreads() << " threads ("
        << threads << " before)";
}
