// The main window's browse button: the folder tree opens at the stored start
// folder; OK puts the chosen folder into the folder field, Cancel leaves
// what was typed there.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "app/PurgoxDlg.h"
#include "res/resource.h"

namespace {

const char kMainCaption[] = "指定ﾌｧｲﾙの一括削除";
const char kBrowseCaption[] = "処理開始ﾌｫﾙﾀﾞの選択";

INT_PTR RunMainDialog(const std::string& home)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    CPurgoxDlg dialog(nullptr, home);
    return dialog.DoModal();
}

// Presses the browse button with other text typed into the folder field and
// answers the folder tree with the button; returns the folder field's text.
std::string Browse(const std::string& home, int answer, std::string& shownInTree)
{
    ui::ModalThread main([home] { return RunMainDialog(home); });
    const HWND dlg = main.WaitForDialog(kMainCaption);
    ui::SetText(dlg, IDC_FOLDER, "X:\\typed");
    ui::Click(dlg, IDC_BROWSE);
    const HWND tree = main.WaitForDialog(kBrowseCaption);
    shownInTree = tree ? ui::GetItemText(tree, IDC_DIR_PATH) : "<no folder tree>";
    ui::Command(tree, answer);
    ui::WaitForClose(tree);
    const std::string folder = ui::GetItemText(dlg, IDC_FOLDER);
    ui::Command(dlg, IDCANCEL);
    main.Join();
    return folder;
}

} // namespace

TEST(BrowseButton, OkPutsTheFolderChosenInTheTreeIntoTheFolderField)
{
    TestFolder home;
    std::string shown;
    EXPECT_EQ(Browse(home.Path() + "\\", IDOK, shown), home.Path() + "\\");
    EXPECT_EQ(shown, home.Path());
}

TEST(BrowseButton, CancelKeepsTheTypedFolder)
{
    TestFolder home;
    std::string shown;
    EXPECT_EQ(Browse(home.Path() + "\\", IDCANCEL, shown), "X:\\typed");
    EXPECT_EQ(shown, home.Path());
}
