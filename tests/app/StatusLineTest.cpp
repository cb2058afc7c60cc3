// The status line during a run: paced, yet right whenever the walk waits.
#include <gtest/gtest.h>

#include "MainWindow.h"
#include "app/RunHost.h"
#include "res/resource.h"

namespace {

enum class Op { Set, TakeDue, Take };

struct PacerStep {
    Op op;
    ULONGLONG nowMs;
    const char* set;
    const char* shown; // null: nothing is to be shown
};

std::string FolderStatus(const std::string& folder)
{
    return "ﾌｫﾙﾀﾞ '" + folder + "' を処理中です...";
}

} // namespace

TEST(StatusLine, PacerShowsAtMostOneTextPerIntervalAndKeepsTheLast)
{
    const PacerStep steps[] = {
        {Op::Set, 1000, "a", "a"},         // the first text at once
        {Op::Set, 1020, "b", nullptr},     // too soon: it waits
        {Op::TakeDue, 1049, "", nullptr},  //
        {Op::TakeDue, 1050, "", "b"},      // its time has come
        {Op::TakeDue, 1200, "", nullptr},  // nothing waits
        {Op::Set, 1230, "c", "c"},         //
        {Op::Set, 1240, "d", nullptr},     //
        {Op::Set, 1245, "e", nullptr},     // the last text wins
        {Op::Take, 1246, "", "e"},         // whatever the time
        {Op::Take, 1247, "", nullptr},     //
        {Op::Set, 1295, "f", nullptr},     // counted from the last text shown
        {Op::Set, 1296, "g", "g"},
    };
    CStatusPacer pacer(50);
    for (const PacerStep& step : steps) {
        std::string taken;
        bool shown = false;
        if (step.op == Op::Set) {
            shown = pacer.Set(step.set, step.nowMs);
            taken = shown ? step.set : "";
        } else {
            shown = step.op == Op::Take ? pacer.Take(step.nowMs, taken) : pacer.TakeDue(step.nowMs, taken);
        }
        EXPECT_EQ(shown, step.shown != nullptr) << "at " << step.nowMs;
        EXPECT_EQ(taken, step.shown ? step.shown : "") << "at " << step.nowMs;
    }
}

// Entering a folder right after the run's first text leaves the new text
// waiting; a confirmation and the report must show it all the same.
TEST_F(MainWindow, StatusLineNamesTheLastFolderAtAConfirmationAndAtTheReport)
{
    const std::string work = home.MakeFolder("work");
    home.MakeFile("work\\sub\\c.tmp");
    ASSERT_TRUE(Open());
    ui::Click(dlg, IDC_CONFIRM_EACH);
    Run(work, "*.tmp");
    const HWND confirm = WaitForConfirm();
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), FolderStatus(work + "\\sub"));
    ui::Click(confirm, IDOK);
    EXPECT_TRUE(Reports("1 件のファイルを削除しました."));

    home.MakeFile("work\\sub\\d.tmp");
    ui::Click(dlg, IDC_CONFIRM_EACH);
    ui::Click(dlg, IDC_RUN);
    const HWND report = ui::WaitForDialog(kReport);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), FolderStatus(work + "\\sub"));
    ui::Command(report, IDOK);
    ASSERT_TRUE(ui::WaitForClose(report));
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), kIdleStatus);
}
