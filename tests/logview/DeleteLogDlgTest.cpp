// The log viewer over real files: the header as caption, one line per entry,
// and what it shows when the file is missing or empty.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "logview/DeleteLogDlg.h"
#include "res/resource.h"

TEST(DeleteLogViewer, ShowsTheHeaderAsCaptionAndEachEntryAsALine)
{
    TestFolder folder;
    const std::string header = "-- Purgox.Exe  削除履歴 [2026/12/06 09:05:01] --";
    const std::vector<std::string> entries = {"削除:C:\\作業\\ソース\\a.obj", "障害:C:\\b.obj -->拒否",
                                              "削除:C:\\" + std::string(600, 'x')};
    const std::string log = header + "\r\n" + entries[0] + "\r\n" + entries[1] + "\r\n" + entries[2] + "\n";
    const std::tuple<std::string, std::string, std::string, std::vector<std::string>> cases[] = {
        {"log", log, header, entries},
        {"header", header + "\r\n", header, {}},
        {"empty", "", "削除ログ", {}},
        {"missing", "", "削除ログ", {}},
    };
    for (const auto& [name, content, caption, lines] : cases) {
        if (name != "missing")
            WriteBytes(folder / name, content);
        ui::ModalThread thread([path = folder / name] { return CDeleteLog(path, nullptr).DoModal(); });
        if (name == "missing") {
            EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption), GetSystemErrorText(ERROR_FILE_NOT_FOUND));
        }
        const HWND viewer = thread.WaitForDialog(caption);
        ASSERT_NE(viewer, nullptr) << name;
        EXPECT_EQ(ui::GetListItems(viewer, IDC_LOG_LIST), lines) << name;
        ui::Command(viewer, IDCANCEL);
        EXPECT_TRUE(thread.Join()) << name;
    }
}
