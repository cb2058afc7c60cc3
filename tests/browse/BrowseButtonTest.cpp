// The browse button opens the tree at the stored start folder; OK alone takes the choice.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "app/PurgoxDlg.h"
#include "res/resource.h"

TEST(BrowseButton, OpensTheTreeAtTheStartFolderAndTakesTheChoiceOnOkOnly)
{
    TestFolder home;
    ui::ModalThread main([&] { return CPurgoxDlg(nullptr, home.Path() + "\\").DoModal(); });
    const HWND dlg = main.WaitForDialog("指定ﾌｧｲﾙの一括削除");
    ui::SetText(dlg, IDC_FOLDER, "X:\\typed");
    for (const auto& [answer, field] :
         {std::pair<int, std::string>{IDCANCEL, "X:\\typed"}, {IDOK, home.Path() + "\\"}}) {
        ui::Click(dlg, IDC_BROWSE);
        const HWND tree = main.WaitForDialog("処理開始ﾌｫﾙﾀﾞの選択");
        EXPECT_EQ(ui::GetItemText(tree, IDC_DIR_PATH), home.Path());
        ui::Command(tree, answer);
        ui::WaitForClose(tree);
        EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), field);
    }
    ui::Command(dlg, IDCANCEL);
    main.Join();
}
