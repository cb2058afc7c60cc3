#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "logview/DeleteLogDlg.h"
#include "res/resource.h"

// The entries stay in the file's order, which is not sorted.
TEST(DeleteLogViewer, ShowsTheHeaderAsCaptionAndEachEntryAsALine)
{
    TestFolder folder;
    const std::string header = "-- Purgox.Exe  削除履歴 [2026/12/06 09:05:01] --";
    const std::vector<std::string> entries = {"削除:C:\\作業\\ソース\\a.obj", "障害:C:\\b.obj -->拒否",
                                              "削除:C:\\" + std::string(600, 'x')};
    WriteBytes(folder / "log", header + "\r\n" + entries[0] + "\r\n" + entries[1] + "\r\n" + entries[2] + "\n");
    const ui::ModalThread viewer([&] { return CDeleteLog(folder / "log", nullptr).DoModal(); });
    EXPECT_EQ(ui::GetListItems(viewer.WaitForDialog(header), IDC_LOG_LIST), entries);
    // A missing log is said first; the viewer then shows nothing.
    const ui::ModalThread missing([&] { return CDeleteLog(folder / "none", nullptr).DoModal(); });
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption), GetSystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(ui::GetListItems(missing.WaitForDialog("削除ログ"), IDC_LOG_LIST).empty());
}
