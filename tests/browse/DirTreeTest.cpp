// The folder tree dialog's wiring: drives, preselection, folders read when
// expanded, vanished folders and swapped media. Expansions run on R:, which
// no watcher follows, so only the dialog's own checks change the tree.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestDrives.h"
#include "TestFolder.h"
#include "TreeDialog.h"
#include "browse/TreePictures.h"

TEST(DirTree, ShowsTheDrivesAndReadsNoFolderBeforeAnExpansion)
{
    DriveArea area(kFixedRoot);
    TreeDialog dlg(std::string(), 0);
    const Texts roots = dlg.Children(nullptr);
    EXPECT_TRUE(std::is_sorted(roots.begin(), roots.end()));
    for (const auto& [root, picture] : {std::pair<const char*, int>{"C:\\", kPictureFixed}, {kFixedRoot, kPictureFixed},
                                        {kRemovableRoot, kPictureRemovable}, {kCdRomRoot, kPictureCdRom}}) {
        const HTREEITEM item = dlg.Find(root);
        ASSERT_NE(item, nullptr) << root;
        EXPECT_EQ(dlg.Pictures(item), picture * 11) << root;
        EXPECT_EQ(dlg.Children(item), Texts{""}) << root;
        EXPECT_FALSE(dlg.IsExpanded(item)) << root;
    }
    EXPECT_EQ(dlg.ShownPath(), "Static");
    EXPECT_EQ(ui::GetFocusedItem(dlg.Handle()), IDC_DIR_TREE);
    EXPECT_EQ(dlg.Selection(), nullptr);
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), "");
}

TEST(DirTree, PreselectsAPathBlindToLetterCaseOrNothing)
{
    DriveArea area(kFixedRoot);
    area.MakeFolder("Data\\Inner");
    area.MakeFolder("Other");
    std::string typed = area / "data\\";
    std::transform(typed.begin(), typed.end(), typed.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
    TreeDialog dlg(typed);
    const HTREEITEM data = dlg.Find(area / "Data");
    EXPECT_EQ(dlg.Selection(), data);
    EXPECT_TRUE(dlg.IsExpanded(data));
    EXPECT_EQ(dlg.Children(data), Texts{"Inner"});
    EXPECT_EQ(dlg.Pictures(dlg.Find(area / "Other")), kPictureFolder * 10 + kPictureOpenFolder);
    EXPECT_FALSE(dlg.HasButton(dlg.Find(area / "Other")));
    EXPECT_EQ(dlg.ShownPath(), area / "Data");
    // A cleared selection names no item: nothing goes, nothing is stored.
    dlg.Select(nullptr);
    EXPECT_NE(dlg.Find(area / "Other"), nullptr);
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), area / "Data\\");

    for (const std::string& path : {std::string("P:"), std::string("K:\\Nowhere"), area / "Missing",
                                    area / "Other\\Deeper", std::string(kFixedRoot)}) {
        TreeDialog again(path);
        const bool root = path == kFixedRoot;
        EXPECT_EQ(again.Selection(), root ? again.Find(kFixedRoot) : nullptr) << path;
        EXPECT_EQ(again.ShownPath(), root ? path : "Static") << path;
        EXPECT_EQ(again.Close(IDOK), IDOK);
        EXPECT_EQ(again.SelectedPath(), root ? path : "") << path;
    }
}

TEST(DirTree, ReadsFoldersWhenExpandedAndDropsWhatHasGone)
{
    DriveArea area(kRemovableRoot);
    for (const char* folder : {"Box\\Sub", "Gone\\Sub", "Left\\Sub", "Zone", "Stay", ".hidden", "System"})
        area.MakeFolder(folder);
    ::SetFileAttributesA((area / "System").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    WriteBytes(area / "file.txt", "x");
    // Listed as "x\..\Stay" by the A functions: never shown, never joined,
    // nor does it give its folder a button.
    MakeWide(area.Path(), L"x\u00A5..\u00A5Stay\\");
    MakeWide(area / "Stay", L"x\u00A5..\\");
    TreeDialog dlg(area.Path());
    const HTREEITEM folder = dlg.Find(area.Path());
    Texts shown = dlg.Children(folder);
    std::sort(shown.begin(), shown.end());
    ASSERT_EQ(shown, (Texts{".hidden", "Box", "Gone", "Left", "Stay", "System", "Zone"}));
    EXPECT_FALSE(dlg.HasButton(dlg.Find(area / "Stay")));

    ::RemoveDirectoryA((area / "Box\\Sub").c_str());
    WriteBytes(area / "Box\\only.txt", "x");
    dlg.ClickButton(dlg.Find(area / "Box"));
    EXPECT_FALSE(dlg.IsExpanded(dlg.Find(area / "Box")));
    EXPECT_FALSE(dlg.HasButton(dlg.Find(area / "Box")));
    dlg.ClickButton(dlg.Find(area / "Gone"));
    ASSERT_TRUE(dlg.IsExpanded(dlg.Find(area / "Gone")));
    for (const char* gone : {"Gone", "Left", "Zone"})
        RemoveTree(area / gone);
    dlg.ClickButton(dlg.Find(area / "Gone"));
    dlg.ClickButton(dlg.Find(area / "Left"));
    dlg.Select(dlg.Find(area / "Zone"));
    ASSERT_TRUE(ui::Flush(dlg.Handle()));
    EXPECT_EQ(dlg.Children(folder).size(), 4u);
    EXPECT_EQ(dlg.ShownPath(), area.Path());

    dlg.ClickButton(folder);
    ASSERT_TRUE(ui::Flush(dlg.Handle()));
    EXPECT_EQ(dlg.Children(folder), Texts{""});
    area.MakeFolder("New");
    dlg.ClickButton(folder);
    EXPECT_NE(dlg.Find(area / "New"), nullptr);
    EXPECT_EQ(dlg.Children(folder).size(), 5u);
}

TEST(DirTree, ResetsADriveWhoseMediumWasSwappedOnce)
{
    DriveArea area(kRemovableRoot);
    area.MakeFolder("Sub\\Inner");
    TreeDialog dlg(area.Path());
    const HTREEITEM drive = dlg.Find(kRemovableRoot);
    std::string other;
    {
        SwappedMedium swapped('R');
        DriveArea onOther(kRemovableRoot);
        other = onOther.Path();
        dlg.ClickButton(dlg.Find(area / "Sub"));
        EXPECT_FALSE(dlg.IsExpanded(drive));
        EXPECT_EQ(dlg.Children(drive), Texts{""});
        dlg.ClickButton(drive);
        EXPECT_EQ(dlg.Children(drive), Texts{other.substr(3)});
    }
    // The first medium is back: a selection resets the drive and still
    // stores what was chosen.
    dlg.Select(dlg.Find(other));
    EXPECT_EQ(dlg.Children(drive), Texts{""});
    EXPECT_EQ(dlg.ShownPath(), other);

    TreeDialog fresh(std::string(), 0);
    SwappedMedium swapped('S');
    DriveArea onOther(kCdRomRoot);
    const HTREEITEM cdrom = fresh.Find(kCdRomRoot);
    fresh.ClickButton(cdrom);
    EXPECT_EQ(fresh.Children(cdrom), Texts{""});
    fresh.ClickButton(cdrom);
    EXPECT_NE(fresh.Find(onOther.Path()), nullptr);
}

// With R:'s medium out (its folder moved aside) the drive cannot be listed:
// its expansion is refused and it keeps its button.
TEST(DirTree, ADriveWithoutItsMediumRefusesExpansion)
{
    const std::string medium = TestDriveFolder("removable");
    ASSERT_TRUE(::MoveFileA(medium.c_str(), (medium + ".out").c_str()));
    {
        TreeDialog dlg;
        const HTREEITEM drive = dlg.Find(kRemovableRoot);
        dlg.ClickButton(drive);
        EXPECT_FALSE(dlg.IsExpanded(drive));
        EXPECT_TRUE(dlg.HasButton(drive));
    }
    EXPECT_TRUE(::MoveFileA((medium + ".out").c_str(), medium.c_str()));
}
