// The log viewer reading real files: caption from the header, one list line
// per entry, and what it shows when the file is missing or empty.
#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "logview/DeleteLogDlg.h"
#include "res/resource.h"

using Lines = std::vector<std::string>;

namespace {

const char kViewerCaption[] = "削除ログ";
const char kHeader[] = "-- Purgox.Exe  削除履歴 [2026/12/06 09:05:01] --";

struct Shown {
    std::string caption;
    Lines lines;
    std::string warning;
};

// Opens the viewer on the file, answers a warning if one comes, reads the
// viewer and closes it with Esc.
Shown ShowLog(const std::string& path, const std::string& caption)
{
    ui::ModalThread thread([path] {
        CDeleteLog viewer(path, nullptr);
        return viewer.DoModal();
    });
    Shown shown;
    HWND viewer = nullptr;
    ui::WaitUntil([&] {
        if (HWND box = ui::FindDialog(ui::kDefaultBoxCaption)) {
            shown.warning = ui::GetItemText(box, ui::kMessageBoxTextId);
            ui::Command(box, IDOK);
        }
        return (viewer = ui::FindDialog(caption)) != nullptr;
    });
    if (!viewer)
        return shown;
    shown.caption = ui::GetText(viewer);
    shown.lines = ui::GetListItems(viewer, IDC_LOG_LIST);
    ui::Command(viewer, IDCANCEL);
    EXPECT_TRUE(thread.Join());
    return shown;
}

} // namespace

TEST(DeleteLogViewer, ShowsTheHeaderAsCaptionAndEachEntryAsALine)
{
    TestFolder folder;
    const std::string longPath = "C:\\" + std::string(600, 'x') + ".obj";
    const Lines entries = {"削除:C:\\作業\\ソース\\a.obj", "障害:C:\\作業\\b.obj -->アクセスが拒否されました。",
                           "中止:C:\\作業\\c.obj -->ユーザーによる削除の中止", "削除:" + longPath};
    std::string content = std::string(kHeader) + "\r\n";
    for (const std::string& entry : entries)
        content += entry + "\r\n";
    WriteBytes(folder / "log.txt", content);

    const Shown shown = ShowLog(folder / "log.txt", kHeader);
    EXPECT_EQ(shown.caption, kHeader);
    EXPECT_EQ(shown.lines, entries);
    EXPECT_EQ(shown.warning, "");

    WriteBytes(folder / "header.txt", std::string(kHeader) + "\n");
    const Shown headerOnly = ShowLog(folder / "header.txt", kHeader);
    EXPECT_EQ(headerOnly.caption, kHeader);
    EXPECT_TRUE(headerOnly.lines.empty());
}

TEST(DeleteLogViewer, AMissingLogWarnsAndAnEmptyOneShowsNothing)
{
    TestFolder folder;
    const Shown missing = ShowLog(folder / "none.log", kViewerCaption);
    EXPECT_EQ(missing.warning, GetSystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(missing.caption, kViewerCaption);
    EXPECT_TRUE(missing.lines.empty());

    WriteBytes(folder / "empty.log", "");
    const Shown empty = ShowLog(folder / "empty.log", kViewerCaption);
    EXPECT_EQ(empty.warning, "");
    EXPECT_EQ(empty.caption, kViewerCaption);
    EXPECT_TRUE(empty.lines.empty());
}
