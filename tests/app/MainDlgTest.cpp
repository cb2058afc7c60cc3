// The main window at rest: what it shows at the first start, the file-type
// list and its buttons, the option boxes, Enter, and the about box.
#include <gtest/gtest.h>

#include "MainWindow.h"
#include "TestFolder.h"
#include "res/resource.h"

using Items = std::vector<std::string>;

namespace {

std::string MenuText(HMENU menu, int position)
{
    char text[256] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

} // namespace

TEST(MainDlg, FirstStartShowsTheHomeFolderTheBuiltInEntriesAndIdleControls)
{
    TestFolder home;
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    ASSERT_NE(dlg, nullptr);

    EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), home.Path() + "\\");
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Items{kBuildTypes, kTempTypes}));
    EXPECT_EQ(ui::GetComboSel(dlg, IDC_FILETYPES), 0);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FILETYPES), kBuildTypes);
    EXPECT_EQ(ui::GetFocusedItem(dlg), IDC_FOLDER);
    EXPECT_FALSE(ui::IsItemEnabled(dlg, IDC_LOG));
    EXPECT_TRUE(ui::IsItemVisible(dlg, IDC_REMOVE_TYPE));
    EXPECT_FALSE(ui::IsItemVisible(dlg, IDC_ADD_TYPE));
    EXPECT_FALSE(ui::IsItemVisible(dlg, IDC_ANIMATE));
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), kIdleStatus);
    EXPECT_EQ(ui::GetItemText(dlg, IDCANCEL), "閉じる(&X)");
    for (int id : {IDC_NO_SUBFOLDERS, IDC_CONFIRM_EACH, IDC_REMOVE_EMPTY_DIRS, IDC_USE_RECYCLE_BIN, IDC_NO_LOG})
        EXPECT_EQ(ui::GetCheck(dlg, id), BST_UNCHECKED) << id;
    EXPECT_TRUE(ui::IsItemEnabled(dlg, IDC_REMOVE_EMPTY_DIRS));

    HMENU menu = ::GetSystemMenu(dlg, FALSE);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(MenuText(menu, count - 1), "ﾊﾞｰｼﾞｮﾝ情報(Purgox) (&A)...");
    EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);

    ui::Command(dlg, IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
}

TEST(MainDlg, EnterNeverClosesTheWindowNorStartsARun)
{
    TestFolder home;
    home.MakeFile("x.obj");
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    ui::Command(dlg, IDOK);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_TRUE(::IsWindowVisible(dlg));
    EXPECT_TRUE(PathExists(home / "x.obj"));
    EXPECT_FALSE(PathExists(home / "Purgox_Delete.log"));
    ui::Command(dlg, IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
}

TEST(MainDlg, NoSubfoldersUnticksAndDisablesRemoveEmpty)
{
    TestFolder home;
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    ui::Click(dlg, IDC_REMOVE_EMPTY_DIRS);
    ui::Click(dlg, IDC_NO_SUBFOLDERS);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetCheck(dlg, IDC_REMOVE_EMPTY_DIRS), BST_UNCHECKED);
    EXPECT_FALSE(ui::IsItemEnabled(dlg, IDC_REMOVE_EMPTY_DIRS));

    ui::Click(dlg, IDC_NO_SUBFOLDERS);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_TRUE(ui::IsItemEnabled(dlg, IDC_REMOVE_EMPTY_DIRS));
    EXPECT_EQ(ui::GetCheck(dlg, IDC_REMOVE_EMPTY_DIRS), BST_UNCHECKED);
    ui::Command(dlg, IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
}

TEST(MainDlg, TypingPickingAndAddingSwapTheListButtons)
{
    TestFolder home;
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();

    ui::TypeText(dlg, IDC_FILETYPES, "*.log");
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_TRUE(ui::IsItemVisible(dlg, IDC_ADD_TYPE));
    EXPECT_FALSE(ui::IsItemVisible(dlg, IDC_REMOVE_TYPE));

    ui::PickComboItem(dlg, IDC_FILETYPES, 1);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_FALSE(ui::IsItemVisible(dlg, IDC_ADD_TYPE));
    EXPECT_TRUE(ui::IsItemVisible(dlg, IDC_REMOVE_TYPE));

    // A new text is appended and selected.
    ui::TypeText(dlg, IDC_FILETYPES, "*.log");
    ui::Click(dlg, IDC_ADD_TYPE);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Items{kBuildTypes, kTempTypes, "*.log"}));
    EXPECT_EQ(ui::GetComboSel(dlg, IDC_FILETYPES), 2);
    EXPECT_TRUE(ui::IsItemVisible(dlg, IDC_REMOVE_TYPE));
    EXPECT_FALSE(ui::IsItemVisible(dlg, IDC_ADD_TYPE));

    // A text equal but for case selects the stored entry, with its own text.
    ui::TypeText(dlg, IDC_FILETYPES, "*.TMP/*.BAK");
    ui::Click(dlg, IDC_ADD_TYPE);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES).size(), 3u);
    EXPECT_EQ(ui::GetComboSel(dlg, IDC_FILETYPES), 1);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FILETYPES), kTempTypes);
    ui::Command(dlg, IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
}

TEST(MainDlg, RemovingTheLastEntryBringsBothBuiltInEntriesBack)
{
    TestFolder home;
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    ui::Click(dlg, IDC_REMOVE_TYPE);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Items{kTempTypes}));
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FILETYPES), kTempTypes);

    ui::Click(dlg, IDC_REMOVE_TYPE);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Items{kBuildTypes, kTempTypes}));
    EXPECT_EQ(ui::GetComboSel(dlg, IDC_FILETYPES), 0);
    ui::Command(dlg, IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
}

TEST(MainDlg, TheSystemMenuOpensTheAboutBox)
{
    TestFolder home;
    MainWindow main(home.Path() + "\\");
    ui::SysCommand(main.Handle(), IDM_ABOUTBOX);
    const HWND about = ui::WaitForDialog("ﾊﾞｰｼﾞｮﾝ情報 Purgox");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(::GetWindow(about, GW_OWNER), main.Handle());
    ui::Command(about, IDCANCEL);
    EXPECT_TRUE(ui::WaitForClose(about));
    ui::Command(main.Handle(), IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
}
