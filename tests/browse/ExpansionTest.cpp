// Folders read from disk when they are expanded or selected, and removable
// media checked before their items are used. These run on R:, which no
// watcher follows, so only the dialog's own checks change the tree.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestDrives.h"
#include "TestFolder.h"
#include "TreeDialog.h"

TEST(DirTreeExpansion, AFolderHoldingOnlyFilesRefusesAndLosesItsButton)
{
    DriveArea area(kRemovableRoot);
    area.MakeFolder("Box\\Sub");
    TreeDialog dlg(area.Path());
    const HTREEITEM box = dlg.Find(area / "Box");
    ASSERT_TRUE(dlg.HasButton(box));

    ::RemoveDirectoryA((area / "Box\\Sub").c_str());
    WriteBytes(area / "Box\\only.txt", "x");
    dlg.ClickButton(box);
    EXPECT_FALSE(dlg.IsExpanded(box));
    EXPECT_FALSE(dlg.HasButton(box));
}

TEST(DirTreeExpansion, AFolderDeletedOnDiskGoesWhenExpandedOrSelected)
{
    DriveArea area(kRemovableRoot);
    area.MakeFolder("AGone\\Sub");
    area.MakeFolder("Stay");
    area.MakeFolder("ZGone");
    TreeDialog dlg(area.Path());
    ASSERT_EQ(dlg.Children(dlg.Find(area.Path())), (Texts{"AGone", "Stay", "ZGone"}));
    RemoveTree(area / "AGone");
    RemoveTree(area / "ZGone");

    dlg.ClickButton(dlg.Find(area / "AGone"));
    EXPECT_EQ(dlg.Find(area / "AGone"), nullptr);
    dlg.Select(dlg.Find(area / "ZGone"));
    EXPECT_EQ(dlg.Find(area / "ZGone"), nullptr);
    EXPECT_EQ(dlg.Children(dlg.Find(area.Path())), Texts{"Stay"});
    EXPECT_EQ(dlg.ShownPath(), area.Path());
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), area.Path() + "\\");
}

TEST(DirTreeExpansion, ShowsHiddenAndSystemFoldersAndReadsNewOnesAfterACollapse)
{
    DriveArea area(kRemovableRoot);
    area.MakeFolder(".hidden");
    const std::string system = area.MakeFolder("System");
    ::SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    TreeDialog dlg(area.Path());
    const HTREEITEM folder = dlg.Find(area.Path());
    Texts shown = dlg.Children(folder);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Texts{".hidden", "System"}));

    dlg.ClickButton(folder);
    EXPECT_FALSE(dlg.IsExpanded(folder));
    area.MakeFolder("Later");
    dlg.ClickButton(folder);
    EXPECT_TRUE(dlg.IsExpanded(folder));
    EXPECT_EQ(dlg.Children(folder).size(), 3u);
    EXPECT_NE(dlg.Find(area / "Later"), nullptr);
}

TEST(DirTreeExpansion, ACollapseRemovesAFolderDeletedOnDiskAndResetsASwappedDrive)
{
    DriveArea area(kRemovableRoot);
    area.MakeFolder("Gone\\Inner");
    area.MakeFolder("Swapped\\Inner");
    TreeDialog dlg(area / "Gone");
    RemoveTree(area / "Gone");
    dlg.ClickButton(dlg.Find(area / "Gone"));
    ASSERT_TRUE(ui::Flush(dlg.Handle()));
    EXPECT_EQ(dlg.Children(dlg.Find(area.Path())), Texts{"Swapped"});

    const HTREEITEM swappedFolder = dlg.Find(area / "Swapped");
    dlg.ClickButton(swappedFolder);
    ASSERT_TRUE(dlg.IsExpanded(swappedFolder));
    SwappedMedium swapped('R', "0badf00d");
    dlg.ClickButton(swappedFolder);
    ASSERT_TRUE(ui::Flush(dlg.Handle()));
    const HTREEITEM drive = dlg.Root(kRemovableRoot);
    EXPECT_FALSE(dlg.IsExpanded(drive));
    EXPECT_EQ(dlg.Children(drive), Texts{""});
}

TEST(DirTreeExpansion, ListsFoldersInTheTreesOwnOrder)
{
    DriveArea area(kRemovableRoot);
    for (const char* name : {"beta", "Alpha", "gamma", "Delta", "10", "9", "_x", "ｶﾅ", "漢字"})
        area.MakeFolder(name);
    TreeDialog dlg(area.Path());
    const Texts shown = dlg.Children(dlg.Find(area.Path()));
    EXPECT_EQ(shown.size(), 9u);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(), [](const std::string& a, const std::string& b) {
        return ::lstrcmpA(a.c_str(), b.c_str()) < 0;
    }));
}

TEST(DirTreeMedia, ADriveWithoutItsMediumRefusesExpansionAndKeepsItsButton)
{
    DriveArea area(kRemovableRoot);
    TreeDialog dlg(std::string(), 0);
    const HTREEITEM drive = dlg.Root(kRemovableRoot);
    {
        MediumOut out;
        for (int attempt = 0; attempt < 2; ++attempt) {
            dlg.ClickButton(drive);
            EXPECT_FALSE(dlg.IsExpanded(drive));
            EXPECT_EQ(dlg.Children(drive), Texts{""});
        }
    }
    dlg.ClickButton(drive);
    EXPECT_TRUE(dlg.IsExpanded(drive));
    EXPECT_NE(dlg.Find(area.Path()), nullptr);
}

TEST(DirTreeMedia, ASwappedMediumResetsTheDriveOnceAndTheNextExpansionReadsIt)
{
    DriveArea area(kRemovableRoot);
    area.MakeFolder("Sub\\Inner");
    TreeDialog dlg(area.Path());
    const HTREEITEM drive = dlg.Root(kRemovableRoot);
    ASSERT_TRUE(dlg.IsExpanded(drive));

    SwappedMedium swapped('R', "0badf00d");
    DriveArea onOther(kRemovableRoot);
    dlg.ClickButton(dlg.Find(area / "Sub"));
    EXPECT_FALSE(dlg.IsExpanded(drive));
    EXPECT_EQ(dlg.Children(drive), Texts{""});

    dlg.ClickButton(drive);
    EXPECT_TRUE(dlg.IsExpanded(drive));
    EXPECT_EQ(dlg.Find(area.Path()), nullptr);
    EXPECT_NE(dlg.Find(onOther.Path()), nullptr);
}

TEST(DirTreeMedia, ASelectionOnASwappedMediumResetsTheDriveAndStoresThePath)
{
    DriveArea area(kRemovableRoot);
    area.MakeFolder("Sub");
    TreeDialog dlg(area.Path());
    SwappedMedium swapped('R', "0badf00d");
    dlg.Select(dlg.Find(area / "Sub"));
    EXPECT_EQ(dlg.Find(area.Path()), nullptr);
    EXPECT_EQ(dlg.Children(dlg.Root(kRemovableRoot)), Texts{""});
    EXPECT_EQ(dlg.ShownPath(), area / "Sub");
}

TEST(DirTreeMedia, ACdRomSerialIsTakenWhenTheDialogOpens)
{
    TreeDialog dlg(std::string(), 0);
    const HTREEITEM drive = dlg.Root(kCdRomRoot);
    SwappedMedium swapped('S', "0badf00d");
    DriveArea onOther(kCdRomRoot);
    dlg.ClickButton(drive);
    EXPECT_FALSE(dlg.IsExpanded(drive));
    EXPECT_EQ(dlg.Children(drive), Texts{""});
    dlg.ClickButton(drive);
    EXPECT_TRUE(dlg.IsExpanded(drive));
    EXPECT_NE(dlg.Find(onOther.Path()), nullptr);
}
