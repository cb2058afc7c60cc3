#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "logview/DeleteLogDlg.h"
#include "res/resource.h"

// The entries stay in the file's order, which is not sorted.
TEST(DeleteLogViewer, ShowsTheHeaderAsCaptionAndEachEntryAsALineOrWhyItCannot)
{
    TestFolder folder;
    const std::string header = "-- Purgox.Exe  削除履歴 [2026/12/06 09:05:01] --";
    const std::vector<std::string> entries = {"削除:C:\\作業\\ソース\\a.obj", "障害:C:\\b.obj -->拒否",
                                              "削除:C:\\" + std::string(600, 'x')};
    WriteBytes(folder / "log", header + "\r\n" + entries[0] + "\r\n" + entries[1] + "\r\n" + entries[2] + "\n");
    for (const std::string name : {"log", "missing"}) {
        const bool missing = name == "missing";
        ui::ModalThread thread([path = folder / name] { return CDeleteLog(path, nullptr).DoModal(); });
        if (missing) {
            EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption), GetSystemErrorText(ERROR_FILE_NOT_FOUND));
        }
        const HWND viewer = thread.WaitForDialog(missing ? "削除ログ" : header);
        ASSERT_NE(viewer, nullptr) << name;
        EXPECT_EQ(ui::GetListItems(viewer, IDC_LOG_LIST), missing ? std::vector<std::string>() : entries);
        ui::Command(viewer, IDCANCEL);
        EXPECT_TRUE(thread.Join()) << name;
    }
}
