// Runs started from the main window: the report, the log, the locked
// controls, the confirmation outcomes, aborts, and the refusals.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "MainWindow.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "res/resource.h"
#include "win/Handle.h"

using Lines = std::vector<std::string>;

namespace {

const char kStopped[] = " -->ユーザーによる削除の中止";

struct Box {
    std::string text;
    HICON icon = nullptr;
};

// Reads and answers the next message box of this process with the caption.
Box AnswerBox(const std::string& caption)
{
    Box box;
    const HWND window = ui::WaitForDialog(caption);
    if (!window)
        return box;
    box.text = ui::GetItemText(window, ui::kMessageBoxTextId);
    box.icon = ui::GetMessageBoxIcon(window);
    ui::Command(window, IDOK);
    ui::WaitForClose(window);
    return box;
}

void StartRun(HWND dlg, const std::string& folder, const std::string& type)
{
    ui::SetText(dlg, IDC_FOLDER, folder);
    ui::TypeText(dlg, IDC_FILETYPES, type);
    ui::Click(dlg, IDC_RUN);
}

bool IsHeader(const std::string& line)
{
    const std::string head = "-- Purgox.Exe  削除履歴 [";
    return line.size() == head.size() + 19 + 4 && line.compare(0, head.size(), head) == 0 &&
           line.compare(line.size() - 4, 4, "] --") == 0;
}

// Answers the confirmation that is open now and waits for it to go.
std::string Answer(HWND confirm, int id)
{
    const std::string path = ui::GetItemText(confirm, IDC_CONFIRM_PATH);
    if (id == IDC_NO_MORE_CONFIRM) {
        ui::Click(confirm, IDC_NO_MORE_CONFIRM);
        id = IDCANCEL;
    }
    if (id == SC_CLOSE)
        ui::SysCommand(confirm, SC_CLOSE);
    else
        ui::Click(confirm, id);
    ui::WaitForClose(confirm);
    return path;
}

// Three files in home\work, deleted by a run that asks before each one.
void StartConfirmedRun(const TestFolder& home, HWND dlg)
{
    for (const char* name : {"f1.tmp", "f2.tmp", "f3.tmp"})
        home.MakeFile(std::string("work\\") + name);
    ui::Click(dlg, IDC_CONFIRM_EACH);
    StartRun(dlg, home / "work", "*.tmp");
}

void CloseMain(MainWindow& main)
{
    ui::Command(main.Handle(), IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
}

} // namespace

TEST(MainRun, DeletesReportsLogsAndReturnsToIdle)
{
    TestFolder home;
    const std::string work = home.MakeFolder("work");
    home.MakeFile("work\\a.tmp");
    home.MakeFile("work\\sub\\b.bak");
    home.MakeFile("work\\keep.txt");
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();

    StartRun(dlg, work, kTempTypes);
    const Box report = AnswerBox(kReportCaption);
    EXPECT_EQ(report.text, "2 件のファイルを削除しました.");
    EXPECT_EQ(report.icon, ::LoadIconA(nullptr, IDI_INFORMATION));
    ASSERT_TRUE(ui::Flush(dlg));

    EXPECT_FALSE(PathExists(home / "work\\a.tmp"));
    EXPECT_FALSE(PathExists(home / "work\\sub\\b.bak"));
    EXPECT_TRUE(PathExists(home / "work\\keep.txt"));
    EXPECT_TRUE(PathExists(home / "work\\sub"));
    const Lines log = ReadLines(home / "Purgox_Delete.log");
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(IsHeader(log[0])) << log[0];
    EXPECT_EQ(log[1], "削除:" + work + "\\sub\\b.bak");
    EXPECT_EQ(log[2], "削除:" + work + "\\a.tmp");

    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), kIdleStatus);
    EXPECT_TRUE(ui::IsItemEnabled(dlg, IDC_LOG));
    EXPECT_FALSE(ui::IsItemVisible(dlg, IDC_ANIMATE));
    EXPECT_TRUE(ui::IsItemVisible(dlg, IDC_LOG));
    EXPECT_TRUE(ui::IsItemEnabled(dlg, IDC_RUN));

    // The log button shows this run's log.
    ui::Click(dlg, IDC_LOG);
    const HWND viewer = ui::WaitForDialog(log[0]);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ui::GetListItems(viewer, IDC_LOG_LIST), (Lines{log[1], log[2]}));
    ui::Command(viewer, IDCANCEL);
    EXPECT_TRUE(ui::WaitForClose(viewer));
    CloseMain(main);
}

TEST(MainRun, FailuresAreReportedAsAWarningAndARunWithoutLogKeepsTheOldLog)
{
    TestFolder home;
    home.MakeFile("work\\a.tmp");
    const std::string held = home.MakeFile("work\\held.tmp");
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    {
        const win::Handle file(::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        StartRun(dlg, home / "work", "*.tmp");
        const Box warning = AnswerBox(ui::kDefaultBoxCaption);
        EXPECT_EQ(warning.text, "1 件のファイルが削除出来ませんでした.\n詳細はログをご覧ください．");
        EXPECT_EQ(warning.icon, ::LoadIconA(nullptr, IDI_EXCLAMATION));
    }
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::FindDialog(kReportCaption), nullptr);
    const std::string log = ReadBytes(home / "Purgox_Delete.log");
    EXPECT_NE(log.find("障害:" + held + " -->" + GetSystemErrorText(ERROR_SHARING_VIOLATION) + "\r\n"),
              std::string::npos);

    ui::Click(dlg, IDC_NO_LOG);
    ui::Click(dlg, IDC_RUN);
    EXPECT_EQ(AnswerBox(kReportCaption).text, "1 件のファイルを削除しました.");
    EXPECT_FALSE(PathExists(held));
    EXPECT_EQ(ReadBytes(home / "Purgox_Delete.log"), log);
    EXPECT_TRUE(ui::IsItemEnabled(dlg, IDC_LOG));
    CloseMain(main);
}

TEST(MainRun, AnInvalidFolderWarnsAndChangesNothing)
{
    TestFolder home;
    home.MakeFile("x.tmp");
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();

    StartRun(dlg, home / "missing", "*.new");
    const Box warning = AnswerBox(ui::kDefaultBoxCaption);
    EXPECT_EQ(warning.text, "処理開始ﾌｫﾙﾀﾞが不正です．");
    EXPECT_EQ(warning.icon, ::LoadIconA(nullptr, IDI_EXCLAMATION));
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetFocusedItem(dlg), IDC_FOLDER);
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES).size(), 2u);
    EXPECT_FALSE(PathExists(home / "Purgox_Delete.log"));
    EXPECT_FALSE(ui::IsItemEnabled(dlg, IDC_LOG));
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), kIdleStatus);
    CloseMain(main);
}

TEST(MainRun, AnEntryWithoutPatternsVisitsNothingAndReportsZero)
{
    for (const char* entry : {"", "/"}) {
        TestFolder home;
        home.MakeFile("work\\x.tmp");
        MainWindow main(home.Path() + "\\");
        const HWND dlg = main.Handle();
        StartRun(dlg, home / "work", entry);
        EXPECT_EQ(AnswerBox(kReportCaption).text, "0 件のファイルを削除しました.") << entry;
        ASSERT_TRUE(ui::Flush(dlg));
        EXPECT_TRUE(PathExists(home / "work\\x.tmp"));
        const Lines log = ReadLines(home / "Purgox_Delete.log");
        ASSERT_EQ(log.size(), 1u);
        EXPECT_TRUE(IsHeader(log[0]));
        EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES).size(), 3u);
        CloseMain(main);
    }
}

TEST(MainRun, ConfirmationYesNoCloseBoxAndStopAsking)
{
    TestFolder home;
    for (const char* name : {"f1.tmp", "f2.tmp", "f3.tmp", "f4.tmp", "f5.tmp"})
        home.MakeFile(std::string("work\\") + name);
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    ui::Click(dlg, IDC_CONFIRM_EACH);
    StartRun(dlg, home / "work", "*.tmp");

    HWND confirm = main.WaitForConfirm();
    ASSERT_NE(confirm, nullptr);
    // The run's locked state, seen while it waits for the answer.
    EXPECT_TRUE(ui::IsItemVisible(dlg, IDC_ANIMATE));
    EXPECT_EQ(ui::GetItemText(dlg, IDCANCEL), "ｷｬﾝｾﾙ(&X)");
    for (int id : {IDC_FOLDER, IDC_RUN, IDC_BROWSE, IDC_NO_SUBFOLDERS, IDC_FILETYPES, IDC_CONFIRM_EACH,
                   IDC_REMOVE_EMPTY_DIRS})
        EXPECT_FALSE(ui::IsItemEnabled(dlg, id)) << id;
    for (int id : {IDC_LOG, IDC_HELP_BTN, IDC_NO_LOG})
        EXPECT_FALSE(ui::IsItemVisible(dlg, id)) << id;
    EXPECT_TRUE(ui::IsItemEnabled(dlg, IDC_USE_RECYCLE_BIN));
    EXPECT_EQ(::GetWindow(confirm, GW_OWNER), dlg);
    EXPECT_EQ(ui::GetFocusedItem(confirm), IDOK);

    const std::string yes = Answer(confirm, IDOK);
    const std::string no = Answer(main.WaitForConfirm(), IDCANCEL);
    const std::string closed = Answer(main.WaitForConfirm(), SC_CLOSE);
    const std::string lastAsked = Answer(main.WaitForConfirm(), IDC_NO_MORE_CONFIRM);
    EXPECT_EQ(AnswerBox(kReportCaption).text, "2 件のファイルを削除しました.");

    EXPECT_FALSE(PathExists(yes));
    EXPECT_TRUE(PathExists(no));
    EXPECT_TRUE(PathExists(closed));
    EXPECT_TRUE(PathExists(lastAsked));
    const Lines log = ReadLines(home / "Purgox_Delete.log");
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[1], "削除:" + yes);
    EXPECT_EQ(log[2], "中止:" + no + kStopped);
    EXPECT_EQ(log[3], "中止:" + closed + kStopped);
    EXPECT_EQ(log[4], "中止:" + lastAsked + kStopped);
    // The last file goes without a question.
    EXPECT_EQ(log[5], "削除:" + home / "work\\f5.tmp");
    // The box itself keeps its tick for the next run.
    EXPECT_EQ(ui::GetCheck(dlg, IDC_CONFIRM_EACH), BST_CHECKED);
    CloseMain(main);
}

TEST(MainRun, TheAbortButtonStopsTheRunAndTheNextRunAsksAgain)
{
    TestFolder home;
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    StartConfirmedRun(home, dlg);

    const std::string yes = Answer(main.WaitForConfirm(), IDOK);
    HWND confirm = main.WaitForConfirm();
    ui::Click(confirm, IDC_NO_MORE_CONFIRM);
    const std::string aborted = Answer(confirm, IDC_ABORT);
    EXPECT_EQ(AnswerBox(kReportCaption).text, "1 件のファイルを削除しました.");
    const Lines log = ReadLines(home / "Purgox_Delete.log");
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], "削除:" + yes);
    EXPECT_EQ(log[2], "中止:" + aborted + kStopped);
    EXPECT_TRUE(PathExists(aborted));

    ui::Click(dlg, IDC_RUN);
    EXPECT_EQ(Answer(main.WaitForConfirm(), IDC_ABORT), aborted);
    EXPECT_EQ(AnswerBox(kReportCaption).text, "0 件のファイルを削除しました.");
    CloseMain(main);
}

namespace {

// What the user-interface thread had left when it took the close click from
// its queue: the abort is seen at that pump point.
struct ClickSeen {
    std::function<size_t()> countLeft;
    HWND button = nullptr;
    std::atomic<bool> seen{false};
    std::chrono::steady_clock::time_point at;
    size_t left = 0;
} g_click;

LRESULT CALLBACK WatchForClick(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == BM_CLICK &&
        message->hwnd == g_click.button && !g_click.seen) {
        g_click.at = std::chrono::steady_clock::now();
        g_click.left = g_click.countLeft();
        g_click.seen = true;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

TEST(MainRun, TheCloseButtonAbortsAndTheReportGivesTheCountsSoFar)
{
    TestFolder home;
    std::vector<std::string> files;
    for (int folder = 0; folder < 40; ++folder)
        for (int file = 0; file < 50; ++file)
            files.push_back(home.MakeFile("work\\d" + std::to_string(folder) + "\\f" + std::to_string(file) + ".tmp"));
    g_click.countLeft = [&] {
        size_t count = 0;
        for (const std::string& file : files)
            count += ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
        return count;
    };
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    g_click.button = ::GetDlgItem(dlg, IDCANCEL);
    const std::unique_ptr<HHOOK__, decltype(&::UnhookWindowsHookEx)> hook(
        ::SetWindowsHookExA(WH_GETMESSAGE, WatchForClick, nullptr, ::GetWindowThreadProcessId(dlg, nullptr)),
        ::UnhookWindowsHookEx);
    ASSERT_TRUE(hook);
    StartRun(dlg, home / "work", "*.tmp");
    ASSERT_TRUE(ui::WaitUntil([&] { return g_click.countLeft() < files.size(); }));

    const auto clicked = std::chrono::steady_clock::now();
    ui::Click(dlg, IDCANCEL);
    const HWND report = ui::WaitForDialog(kReportCaption);
    const auto reported = std::chrono::steady_clock::now();
    ASSERT_TRUE(g_click.seen);
    const size_t left = g_click.countLeft();
    std::printf("abort: click taken after %.2f ms, report after %.1f ms; %zu of %zu files deleted\n",
                std::chrono::duration<double, std::milli>(g_click.at - clicked).count(),
                std::chrono::duration<double, std::milli>(reported - clicked).count(), files.size() - left,
                files.size());

    // Not one file goes after the pump point that took the click.
    EXPECT_EQ(left, g_click.left);
    EXPECT_GT(left, 0u);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(ui::GetItemText(report, ui::kMessageBoxTextId),
              std::to_string(files.size() - left) + " 件のファイルを削除しました.");
    ui::Command(report, IDOK);
    ASSERT_TRUE(ui::WaitForClose(report));
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_TRUE(::IsWindowVisible(dlg));
    EXPECT_EQ(ui::GetItemText(dlg, IDCANCEL), "閉じる(&X)");
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), kIdleStatus);
    EXPECT_FALSE(PathExists(home / "Purgox.dat"));
    CloseMain(main);
    EXPECT_TRUE(PathExists(home / "Purgox.dat"));
}

// While an aborted run is still returning, the controls look idle: a run
// request is refused and a close waits for the run's report.
TEST(MainRun, RunAndCloseRequestsDuringAnAbortedRunWaitForItsEnd)
{
    TestFolder home;
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    StartConfirmedRun(home, dlg);
    const HWND confirm = main.WaitForConfirm();
    ASSERT_NE(confirm, nullptr);

    ui::Command(dlg, IDCANCEL);
    ui::Command(dlg, IDC_RUN);
    ui::Command(dlg, IDCANCEL);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_TRUE(::IsWindowVisible(dlg));
    EXPECT_EQ(ui::GetItemText(dlg, IDCANCEL), "閉じる(&X)");
    EXPECT_TRUE(::IsWindowVisible(confirm));

    const std::string declined = Answer(confirm, IDCANCEL);
    EXPECT_EQ(AnswerBox(kReportCaption).text, "0 件のファイルを削除しました.");
    EXPECT_TRUE(main.WaitForEnd());
    EXPECT_TRUE(PathExists(home / "work\\f2.tmp"));
    EXPECT_TRUE(PathExists(home / "work\\f3.tmp"));
    const Lines log = ReadLines(home / "Purgox_Delete.log");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "中止:" + declined + kStopped);
    EXPECT_TRUE(PathExists(home / "Purgox.dat"));
}

TEST(MainRun, APatternNamingAnotherFolderIsRefusedBeforeAnythingChanges)
{
    TestFolder home;
    home.MakeFile("work\\x.tmp");
    home.MakeFile("other\\y.tmp");
    WriteBytes(home / "Purgox_Delete.log", "old\r\n");
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    for (const std::string pattern : {"..\\other\\*.tmp", "C:*.tmp"}) {
        StartRun(dlg, home / "work", "*.bak/" + pattern);
        const std::string warning = AnswerBox(ui::kDefaultBoxCaption).text;
        EXPECT_NE(warning.find("'" + pattern + "'"), std::string::npos) << warning;
        ASSERT_TRUE(ui::Flush(dlg));
        EXPECT_EQ(ui::GetItemText(dlg, IDCANCEL), "閉じる(&X)");
        EXPECT_TRUE(ui::IsItemEnabled(dlg, IDC_RUN));
    }
    EXPECT_EQ(ui::FindDialog(kReportCaption), nullptr);
    EXPECT_TRUE(PathExists(home / "work\\x.tmp"));
    EXPECT_TRUE(PathExists(home / "other\\y.tmp"));
    EXPECT_EQ(ReadBytes(home / "Purgox_Delete.log"), "old\r\n");
    EXPECT_FALSE(ui::IsItemEnabled(dlg, IDC_LOG));
    CloseMain(main);
}

TEST(MainRun, ALogThatCannotBeCreatedStopsTheRunBeforeAnyDeletion)
{
    TestFolder home;
    home.MakeFile("work\\x.tmp");
    home.MakeFolder("Purgox_Delete.log");
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    StartRun(dlg, home / "work", "*.tmp");
    const std::string warning = AnswerBox(ui::kDefaultBoxCaption).text;
    EXPECT_NE(warning.find(GetSystemErrorText(ERROR_ACCESS_DENIED)), std::string::npos) << warning;
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::FindDialog(kReportCaption), nullptr);
    EXPECT_TRUE(PathExists(home / "work\\x.tmp"));
    EXPECT_EQ(ui::GetItemText(dlg, IDCANCEL), "閉じる(&X)");
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), kIdleStatus);
    EXPECT_FALSE(ui::IsItemEnabled(dlg, IDC_LOG));

    // Without a log the same run goes ahead.
    ui::Click(dlg, IDC_NO_LOG);
    ui::Click(dlg, IDC_RUN);
    EXPECT_EQ(AnswerBox(kReportCaption).text, "1 件のファイルを削除しました.");
    EXPECT_FALSE(PathExists(home / "work\\x.tmp"));
    CloseMain(main);
}
