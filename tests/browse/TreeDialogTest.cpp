// The folder tree dialog at rest: drives, preselection, the shown and the
// stored path, and what OK hands back.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestDrives.h"
#include "TreeDialog.h"
#include "browse/TreePictures.h"

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

TEST(DirSelectDlg, ShowsTheDrivesInLetterOrderWithTheirPicturesAndPlaceholders)
{
    DriveArea area(kFixedRoot);
    TreeDialog dlg(std::string(), 0);
    ASSERT_NE(dlg.Handle(), nullptr);

    const Texts roots = dlg.Roots();
    EXPECT_TRUE(std::is_sorted(roots.begin(), roots.end()));
    for (const char* root : {"C:\\", kFixedRoot, kRemovableRoot, kCdRomRoot, "Z:\\"})
        EXPECT_NE(std::find(roots.begin(), roots.end(), root), roots.end()) << root;

    const HTREEITEM fixed = dlg.Root(kFixedRoot);
    const HTREEITEM removable = dlg.Root(kRemovableRoot);
    const HTREEITEM cdrom = dlg.Root(kCdRomRoot);
    EXPECT_EQ(dlg.Pictures(fixed), std::make_pair(int(kPictureFixed), int(kPictureFixed)));
    EXPECT_EQ(dlg.Pictures(removable), std::make_pair(int(kPictureRemovable), int(kPictureRemovable)));
    EXPECT_EQ(dlg.Pictures(cdrom), std::make_pair(int(kPictureCdRom), int(kPictureCdRom)));
    // Nothing is read yet: one empty placeholder under each root that may
    // hold folders.
    for (HTREEITEM root : {fixed, removable, cdrom}) {
        EXPECT_EQ(dlg.Children(root), Texts{""});
        EXPECT_FALSE(dlg.IsExpanded(root));
    }
    EXPECT_EQ(dlg.ShownPath(), "Static");
    EXPECT_EQ(ui::GetFocusedItem(dlg.Handle()), IDC_DIR_TREE);
    EXPECT_EQ(dlg.Selection(), nullptr);

    // OK without any selection hands back an empty path.
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), "");
}

TEST(DirSelectDlg, PreselectsAPathThatDiffersInLetterCaseAndEndsInABackslash)
{
    DriveArea area(kFixedRoot);
    area.MakeFolder("Data\\Inner");
    area.MakeFolder("Other");
    TreeDialog dlg("p:\\" + Lower(area.Name()) + "\\data\\");
    const std::string shown = area / "Data";

    ASSERT_NE(dlg.Find(shown), nullptr);
    EXPECT_EQ(dlg.Selection(), dlg.Find(shown));
    EXPECT_TRUE(dlg.IsExpanded(dlg.Root(kFixedRoot)));
    EXPECT_EQ(dlg.Children(dlg.Find(area.Path())), (Texts{"Data", "Other"}));
    EXPECT_EQ(dlg.Children(dlg.Find(shown)), Texts{"Inner"});
    EXPECT_TRUE(dlg.IsExpanded(dlg.Find(shown)));
    EXPECT_FALSE(dlg.HasButton(dlg.Find(area / "Other")));
    EXPECT_EQ(dlg.ShownPath(), shown);
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), shown + "\\");
}

TEST(DirSelectDlg, PreselectsARootAlone)
{
    TreeDialog dlg(kFixedRoot);
    EXPECT_EQ(dlg.Selection(), dlg.Root(kFixedRoot));
    EXPECT_EQ(dlg.ShownPath(), kFixedRoot);
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), kFixedRoot);
}

TEST(DirSelectDlg, SelectsNothingForAPathItCannotFollow)
{
    DriveArea area(kFixedRoot);
    area.MakeFolder("Here");
    for (const std::string& path : {std::string("P:"), std::string("K:\\Nowhere"), area / "Missing",
                                    area / "Here\\Deeper"}) {
        TreeDialog dlg(path);
        EXPECT_EQ(dlg.Selection(), nullptr) << path;
        EXPECT_EQ(dlg.ShownPath(), "Static") << path;
        EXPECT_EQ(dlg.Close(IDOK), IDOK);
        EXPECT_EQ(dlg.SelectedPath(), "") << path;
    }
}

TEST(DirSelectDlg, ShowsThePathAsComposedAndStoresItWithABackslashAlsoAfterSo)
{
    // "ソ" ends in the byte 0x5C, which is not a backslash.
    DriveArea area(kFixedRoot);
    area.MakeFolder("ソ\\子");
    TreeDialog dlg(area / "ソ");
    EXPECT_EQ(dlg.ShownPath(), area / "ソ");

    dlg.Select(dlg.Find(area / "ソ\\子"));
    EXPECT_EQ(dlg.ShownPath(), area / "ソ\\子");
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), area / "ソ\\子\\");

    TreeDialog again(area / "ソ");
    EXPECT_EQ(again.Close(IDOK), IDOK);
    EXPECT_EQ(again.SelectedPath(), area / "ソ\\");
}

TEST(DirSelectDlg, AClearedSelectionRemovesNothingAndKeepsTheStoredPath)
{
    DriveArea area(kFixedRoot);
    area.MakeFolder("Kept");
    TreeDialog dlg(area / "Kept");
    const Texts roots = dlg.Roots();

    dlg.Select(nullptr);
    EXPECT_EQ(dlg.Selection(), nullptr);
    EXPECT_EQ(dlg.Roots(), roots);
    EXPECT_NE(dlg.Find(area / "Kept"), nullptr);
    EXPECT_EQ(dlg.ShownPath(), area / "Kept");
    EXPECT_EQ(dlg.Close(IDOK), IDOK);
    EXPECT_EQ(dlg.SelectedPath(), area / "Kept\\");
}
