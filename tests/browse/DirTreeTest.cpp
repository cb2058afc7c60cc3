// The folder tree dialog's wiring, from the drives down to the watchers.
#include <gtest/gtest.h>

#include "TreeDialog.h"
#include "browse/TreePictures.h"

// No watcher follows R:.
TEST(DirTree, ReadsFoldersDropsWhatHasGoneChecksTheMediumAndLeavesNoHandle)
{
    const TestFolder area("R:\\");
    for (const char* folder : {"Data\\Inner", "Gone\\Sub", "Left\\Sub", "Zone", "Other", ".hidden", "System"})
        area.MakeFolder(folder);
    ::SetFileAttributesA((area / "System").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    WriteBytes(area / "file.txt", "x");
    // Listed as "x\..\Other" by the A functions: never shown nor joined.
    MakeWide(area.Path(), L"x\u00A5..\u00A5Other\\");
    // A folder at the path limit is shown, one past it could not be used.
    const std::string longest(258 - area.Path().size(), 'y');
    MakeWide(area.Path(), std::wstring(longest.begin(), longest.end()) + L"\\");
    MakeWide(area.Path(), std::wstring(longest.size() + 1, L'z') + L"\\");
    std::string typed = area / "data\\";
    ::CharLowerA(&typed[0]);
    TreeDialog dlg(typed);
    const HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, CheckNotification, nullptr, dlg.ThreadId());
    EXPECT_EQ(ui::GetFocusedItem(dlg.Dialog()), IDC_DIR_TREE);
    for (const auto& [root, picture] : {std::pair<const char*, int>{"C:\\", kPictureFixed}, {"P:\\", kPictureFixed},
                                        {"R:\\", kPictureRemovable}, {"S:\\", kPictureCdRom}})
        EXPECT_EQ(dlg.Pictures(dlg.Find(root)), picture * 11) << root;
    const HTREEITEM folder = dlg.Find(area.Path());
    ASSERT_EQ(dlg.Children(folder), (Texts{".hidden", "Data", "Gone", "Left", "Other", "System", longest, "Zone"}));
    EXPECT_EQ(dlg.ShownPath(), area / "Data");
    EXPECT_EQ(dlg.Pictures(dlg.Find(area / "Other")), kPictureFolder * 10 + kPictureOpenFolder);
    // A cleared selection names no item: nothing goes, nothing is stored.
    dlg.Select(nullptr);

    dlg.ClickButton(dlg.Find(area / "Gone"));
    for (const char* gone : {"Gone", "Left", "Zone"})
        RemoveTree(area / gone);
    // A collapse, an expansion and a selection each drop a vanished folder.
    dlg.ClickButton(dlg.Find(area / "Gone"));
    dlg.ClickButton(dlg.Find(area / "Left"));
    dlg.Select(dlg.Find(area / "Zone"));
    ASSERT_TRUE(ui::Flush(dlg.Dialog()));
    EXPECT_EQ(dlg.Children(folder), (Texts{".hidden", "Data", "Other", "System", longest}));

    // Without its medium the drive refuses the expansion, keeping its button.
    const HTREEITEM drive = dlg.Find("R:\\");
    dlg.ClickButton(drive);
    const std::string medium = TestDriveFolder("removable");
    ASSERT_TRUE(::MoveFileA(medium.c_str(), (medium + ".out").c_str()));
    dlg.ClickButton(drive);
    ASSERT_TRUE(ui::Flush(dlg.Dialog()));
    EXPECT_TRUE(!dlg.IsExpanded(drive) && dlg.HasButton(drive));
    EXPECT_TRUE(::MoveFileA((medium + ".out").c_str(), medium.c_str()));
    dlg.ClickButton(drive);
    dlg.Select(dlg.Find(area.Path()));
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), area.Path() + "\\");
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_itemsLostInNotification, 0);

    // Asked for a folder that is not there, the tree selects nothing. A second
    // dialog leaves no handle behind (values are multiples of 4, the first few
    // thousand cover a test; the runtime makes one event of its own).
    const auto countHandles = [] {
        int own = 0;
        DWORD flags = 0;
        for (ULONG_PTR value = 4; value < 0x4000; value += 4)
            own += ::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != 0;
        return own;
    };
    int handles = 0;
    for (int round = 0; round < 2; ++round, handles = handles ? handles : countHandles()) {
        TreeDialog again("K:\\Nowhere");
        EXPECT_EQ(again.ShownPath(), "Static");
        EXPECT_EQ(again.Close(IDOK), IDOK);
    }
    EXPECT_TRUE(ui::WaitUntil([&] { return countHandles() - handles <= 1; })) << handles;
}

// No watcher follows R:, so a button shows what the tree found when it looked.
TEST(DirTree, LooksForExpandButtonsWhenItDrawsTheItems)
{
    const TestFolder area("R:\\");
    for (int n = 100; n < 160; ++n)
        area.MakeFolder("S" + std::to_string(n) + (n == 100 ? "\\Inner" : ""));
    TreeDialog dlg(area.Path());
    const auto item = [&](const char* name) { return dlg.Find(area / name); };
    ::UpdateWindow(dlg.Handle());
    EXPECT_TRUE(dlg.HasButton(item("S100")) && !dlg.HasButton(item("S101")));
    // A button whose folder turns out empty goes when clicked.
    RemoveTree(area / "S100\\Inner");
    dlg.ClickButton(item("S100"));
    EXPECT_FALSE(dlg.IsExpanded(item("S100")) || dlg.HasButton(item("S100")));
    // Out of view until now, so not yet looked at.
    area.MakeFolder("S159\\Inner");
    dlg.Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item("S159")));
    EXPECT_TRUE(dlg.HasButton(item("S159")));
}

TEST(DirTree, FollowsFolderChangesOnAWatchedDrive)
{
    const TestFolder before("P:\\");
    TreeDialog dlg("P:\\");
    const auto shown = [&](const std::string& path) { return dlg.Children(dlg.Find(path)); };
    // Wine watches only folders made after the watch began and misses what changes while the watcher rearms: a
    // probe brings a refresh until the tree shows what is expected, then goes (a click below it would miss).
    const auto until = [&](const std::string& folder, const std::function<bool()>& shows) {
        const bool seen = ui::WaitUntil([&] {
            ::CreateDirectoryA((folder + "\\Probe").c_str(), nullptr);
            const bool shown = ui::WaitUntil(shows, 250);
            ::RemoveDirectoryA((folder + "\\Probe").c_str());
            return shown;
        });
        ui::WaitUntil([&] { return !dlg.Find(folder + "\\Probe"); }, 250);
        return seen;
    };
    ASSERT_TRUE(until("P:", [&] { return dlg.Find("P:\\Probe") != nullptr; }));
    const TestFolder area("P:\\");
    for (const char* folder : {"B", "B2", "D\\Inside"})
        area.MakeFolder(folder);
    ASSERT_TRUE(until("P:", [&] { return dlg.HasButton(dlg.Find(area.Path())); }));
    dlg.ClickButton(dlg.Find(area.Path()));
    ASSERT_TRUE(until(area.Path(), [&] { return dlg.Find(area / "Probe") != nullptr; }));
    dlg.ClickButton(dlg.Find(area / "D"));
    dlg.Select(dlg.Find(area / "B"));

    // The selected folder and the one after it go: the selection moves up.
    area.MakeFolder("C");
    area.MakeFolder("D\\New");
    RemoveTree(area / "B");
    RemoveTree(area / "B2");
    EXPECT_TRUE(until("P:", [&] {
        return shown(area.Path()) == Texts{"C", "D"} && shown(area / "D") == Texts{"Inside", "New"};
    }));
    EXPECT_EQ(dlg.ShownPath(), area.Path());
    // A shown folder gains its button with its first subfolder and loses it with its last.
    EXPECT_FALSE(dlg.HasButton(dlg.Find(area / "C")));
    area.MakeFolder("C\\Inside");
    EXPECT_TRUE(until("P:", [&] { return dlg.HasButton(dlg.Find(area / "C")); }));
    ::RemoveDirectoryA((area / "C\\Inside").c_str());
    EXPECT_TRUE(until("P:", [&] { return !dlg.HasButton(dlg.Find(area / "C")); }));
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
}
