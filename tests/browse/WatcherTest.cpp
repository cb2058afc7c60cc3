// The drive watchers: the tree follows folder changes on the fixed drive
// P:, and the watchers stop promptly and leave nothing behind.
#include <gtest/gtest.h>

#include <functional>

#include "ProcessCounts.h"
#include "TestDrives.h"
#include "TestFolder.h"
#include "TreeDialog.h"
#include "browse/DriveWatcher.h"
#include "win/Event.h"
#include "win/Handle.h"

namespace {

// Changes reach the tree within this time.
constexpr DWORD kFollowTime = 2000;

std::string CurrentDirectory()
{
    char path[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof path, path);
    return path;
}

// The program beside this test that keeps creating and deleting a folder.
std::string ChurnProgram()
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    std::string path = module;
    return path.substr(0, path.rfind('\\')) + "\\folder_churn.exe";
}

int WatchedDriveCount()
{
    int count = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const UINT type = ::GetDriveTypeA((std::string(1, letter) + ":\\").c_str());
        count += type == DRIVE_FIXED || type == DRIVE_REMOTE || type == DRIVE_RAMDISK;
    }
    return count;
}

// Changes a folder at the root of P:, which its watcher always sees. Wine
// watches a subfolder only if it was opened after the watch began, so a test
// that changes a deeper folder also changes the root to be sure of a post.
void TouchRoot(const DriveArea& area)
{
    const std::string probe = area.Path() + "-probe";
    ::CreateDirectoryA(probe.c_str(), nullptr);
    ::RemoveDirectoryA(probe.c_str());
}

// Waits for the tree to show what the test expects after a change on disk,
// touching the root again now and then in case a busy machine let a change
// slip between two refreshes.
bool Follows(const DriveArea& area, const std::function<bool()>& shown)
{
    for (DWORD waited = 0; waited < kFollowTime; waited += kFollowTime / 4) {
        TouchRoot(area);
        if (ui::WaitUntil(shown, kFollowTime / 4))
            return true;
    }
    return false;
}

} // namespace

TEST(DriveWatcher, FollowsFoldersCreatedDeletedAndRenamedInAnExpandedFolder)
{
    DriveArea area(kFixedRoot);
    area.MakeFolder("B");
    area.MakeFolder("D");
    TreeDialog dlg(area.Path());
    auto children = [&] { return dlg.Children(dlg.Find(area.Path())); };
    ASSERT_EQ(children(), (Texts{"B", "D"}));

    area.MakeFolder("C");
    EXPECT_TRUE(Follows(area, [&] { return children() == Texts{"B", "C", "D"}; }));
    EXPECT_FALSE(dlg.HasButton(dlg.Find(area / "C")));

    area.MakeFolder("A\\Inside");
    EXPECT_TRUE(Follows(area, [&] {
        return children() == Texts{"A", "B", "C", "D"} && dlg.HasButton(dlg.Find(area / "A"));
    }));
    EXPECT_FALSE(dlg.IsExpanded(dlg.Find(area / "A")));

    RemoveTree(area / "B");
    EXPECT_TRUE(Follows(area, [&] { return children() == Texts{"A", "C", "D"}; }));

    ASSERT_TRUE(::MoveFileA((area / "D").c_str(), (area / "0Renamed").c_str()));
    EXPECT_TRUE(Follows(area, [&] { return children() == Texts{"0Renamed", "A", "C"}; }));
    EXPECT_FALSE(dlg.IsExpanded(dlg.Find(area / "0Renamed")));
}

TEST(DriveWatcher, TheFirstSubfolderOfAShownFolderGivesItAButtonAndTheLastTakesItAway)
{
    DriveArea area(kFixedRoot);
    area.MakeFolder("Box");
    TreeDialog dlg(area.Path());
    const HTREEITEM box = dlg.Find(area / "Box");
    ASSERT_FALSE(dlg.HasButton(box));

    area.MakeFolder("Box\\First");
    EXPECT_TRUE(Follows(area, [&] { return dlg.HasButton(box); }));
    EXPECT_FALSE(dlg.IsExpanded(box));
    ::RemoveDirectoryA((area / "Box\\First").c_str());
    EXPECT_TRUE(Follows(area, [&] { return !dlg.HasButton(box); }));
}

TEST(DriveWatcher, ARefreshPutsTheCurrentDirectoryBack)
{
    TestFolder here;
    ASSERT_TRUE(::SetCurrentDirectoryA(here.Path().c_str()));
    DriveArea area(kFixedRoot);
    area.MakeFolder("Deep\\Deeper");
    TreeDialog dlg(area / "Deep");
    area.MakeFolder("Deep\\New");
    EXPECT_TRUE(Follows(area, [&] { return dlg.Find(area / "Deep\\New") != nullptr; }));
    ASSERT_TRUE(ui::Flush(dlg.Handle()));
    EXPECT_EQ(CurrentDirectory(), here.Path());
    EXPECT_EQ(dlg.Close(IDCANCEL), IDCANCEL);
    ::SetCurrentDirectoryA("C:\\");
}

TEST(DriveWatcher, ClosingTakesUnderASecondWhileAnotherProcessKeepsChangingFolders)
{
    DriveArea area(kFixedRoot);
    TreeDialog dlg(area.Path());
    ui::ChildProcess churn;
    ASSERT_TRUE(churn.Start(ChurnProgram(), area.Path()));
    ::Sleep(500);

    const ULONGLONG start = ::GetTickCount64();
    EXPECT_EQ(dlg.Close(IDCANCEL), IDCANCEL);
    EXPECT_LT(::GetTickCount64() - start, 1000u);
}

TEST(DriveWatcher, AHundredDialogsLeaveHandlesAndThreadsAsTheyWere)
{
    for (int round = 0; round < 2; ++round)
        TreeDialog(std::string(), 0).Close(IDCANCEL);
    const int handles = CountOwnHandles();
    const int threads = CountOwnThreads();
    ASSERT_GT(handles, 0);
    for (int round = 0; round < 100; ++round) {
        TreeDialog dlg(std::string(), 0);
        ASSERT_NE(dlg.Handle(), nullptr);
        ASSERT_EQ(dlg.Close(IDCANCEL), IDCANCEL);
    }
    // A thread that has just ended may be listed for a moment longer. The
    // runtime makes a synchronisation event of its own now and then, once
    // for the whole process; a handle left by each dialog would be 100.
    EXPECT_TRUE(ui::WaitUntil([&] { return CountOwnHandles() - handles <= 1 && CountOwnThreads() == threads; }))
        << CountOwnHandles() << " handles (" << handles << " before), " << CountOwnThreads() << " threads ("
        << threads << " before)";
}

TEST(DriveWatcher, AWatcherOfADriveWithoutNotificationEndsAtOnce)
{
    const win::Event stop(true);
    EXPECT_EQ(WatchDriveThread(new WatchParam{'K' - 'A', stop.Get(), nullptr}), 0u);
}

TEST(DriveWatcher, ADriveWithoutNotificationIsNotFollowedAndTheDialogWorksOn)
{
    DriveArea area(kFixedRoot);
    area.MakeFolder("Kept");
    const int threads = CountOwnThreads();
    // Held without sharing, the root cannot be watched.
    win::Handle exclusive(::CreateFileA(kFixedRoot, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    ASSERT_TRUE(exclusive);
    TreeDialog dlg(std::string(), 0);
    // The dialog's thread and a watcher for every watched drive but P:.
    ASSERT_TRUE(ui::WaitUntil([&] { return CountOwnThreads() == threads + WatchedDriveCount(); }));
    exclusive.Reset();

    const HTREEITEM drive = dlg.Root(kFixedRoot);
    dlg.Select(drive);
    ASSERT_TRUE(dlg.HasButton(drive));
    dlg.ClickButton(drive);
    dlg.ClickButton(dlg.Find(area.Path()));
    ASSERT_EQ(dlg.Children(dlg.Find(area.Path())), Texts{"Kept"});

    area.MakeFolder("Unseen");
    TouchRoot(area);
    ::Sleep(kFollowTime);
    ASSERT_TRUE(ui::Flush(dlg.Handle()));
    EXPECT_EQ(dlg.Children(dlg.Find(area.Path())), Texts{"Kept"});
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), kFixedRoot);
}
