// Runs from the main window: options, report, log, locked controls, stops.
#include "MainWindow.h"
#include "fsutil/ErrorText.h"
#include "win/Handle.h"

const char kStopped[] = " -->ユーザーによる削除の中止";

static std::string FolderStatus(const std::string& folder) { return "ﾌｫﾙﾀﾞ '" + folder + "' を処理中です..."; }

// The path the confirmation asked about, once the answer closed it.
static std::string Answer(HWND confirm, int id)
{
    const std::string path = ui::GetItemText(confirm, IDC_CONFIRM_PATH);
    id == SC_CLOSE ? ui::SysCommand(confirm, SC_CLOSE) : ui::Click(confirm, id);
    return ui::WaitForClose(confirm) ? path : std::string();
}

TEST_F(MainWindow, ARunDeletesReportsAndLogsButOneThatCannotStartChangesNothing)
{
    const std::string work = home.MakeFolder("work");
    for (const char* file : {"work\\a.tmp", "work\\sub\\b.bak", "work\\keep.txt", "other\\y.tmp"})
        home.MakeFile(file);
    home.MakeFolder("Purgox_Delete.log");
    ASSERT_TRUE(Open());
    Run(home / "missing", "*.new");
    EXPECT_TRUE(Warns("処理開始ﾌｫﾙﾀﾞが不正です．"));
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_EQ(ui::GetFocusedItem(dlg), IDC_FOLDER);
    Run(work, "*.bak/..\\other\\*.tmp");
    EXPECT_TRUE(Warns("ﾌｧｲﾙの種類 '..\\other\\*.tmp' はﾌｫﾙﾀﾞやﾄﾞﾗｲﾌﾞを含むため使えません．\n何も削除しませんでした．"));
    Run(work, kTempTypes);
    EXPECT_TRUE(Warns("削除ログ '" + home / "Purgox_Delete.log" + "' を作成できません．何も削除しませんでした．\n" +
                      GetSystemErrorText(ERROR_ACCESS_DENIED)));
    EXPECT_TRUE(PathExists(home / "work\\a.tmp") && PathExists(home / "other\\y.tmp"));
    EXPECT_EQ(States(), kIdle);

    ::RemoveDirectoryA((home / "Purgox_Delete.log").c_str());
    ui::Click(dlg, IDC_RUN);
    // The folder entered right after the run's first text is still named.
    ASSERT_NE(ui::WaitForDialog(kReport), nullptr);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), FolderStatus(work + "\\sub"));
    EXPECT_TRUE(Reports("2 件のファイルを削除しました."));
    EXPECT_TRUE(PathExists(home / "work\\keep.txt") && PathExists(home / "work\\sub"));
    const Lines log = ReadLines(home / "Purgox_Delete.log");
    EXPECT_EQ(log, (Lines{log.at(0), "削除:" + work + "\\sub\\b.bak", "削除:" + work + "\\a.tmp"}));
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), "フォルダと削除するファイルの種類を選択後、[実行]を押してください．");
    EXPECT_EQ(States(), "eeehe eeee h eeeee 閉じる(&X)");

    ui::Click(dlg, IDC_LOG);
    const HWND viewer = ui::WaitForDialog(log[0]);
    EXPECT_EQ(::GetWindow(viewer, GW_OWNER), dlg);
    ui::Command(viewer, IDCANCEL);
}

TEST_F(MainWindow, EveryOptionBoxReachesTheRun)
{
    const std::string work = home.MakeFolder("work");
    const std::string held = home.MakeFile("work\\mw_held.tmp", "mw_held.tmp");
    const std::string below = home.MakeFile("work\\sub\\mw_c.tmp", "mw_c.tmp");
    WriteBytes(home / "Purgox_Delete.log", "old\r\n");
    ASSERT_TRUE(Open());
    {
        const win::Handle file(::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ui::Click(dlg, IDC_NO_LOG);
        ui::Click(dlg, IDC_NO_SUBFOLDERS);
        Run(work, "*.tmp");
        EXPECT_TRUE(Warns("1 件のファイルが削除出来ませんでした.\n詳細はログをご覧ください．"));
    }
    EXPECT_TRUE(PathExists(below));
    EXPECT_EQ(ReadBytes(home / "Purgox_Delete.log"), "old\r\n");
    EXPECT_EQ(States(), "eeehe eede h EedeE 閉じる(&X)");

    // Through the recycle bin, and the emptied folder goes.
    ui::Click(dlg, IDC_NO_LOG);
    ui::Click(dlg, IDC_NO_SUBFOLDERS);
    ui::Click(dlg, IDC_REMOVE_EMPTY_DIRS);
    ui::Click(dlg, IDC_USE_RECYCLE_BIN);
    Run(work, "*.tmp");
    EXPECT_TRUE(Reports("2 件のファイルを削除しました."));
    EXPECT_TRUE(PathExists(home / "work") && !PathExists(home / "work\\sub"));
    for (const char* name : {"mw_c.tmp", "mw_held.tmp"})
        EXPECT_EQ(TakeFromTrash(name), name);
}

TEST_F(MainWindow, ConfirmationLocksTheControlsAndItsAnswersReachTheRun)
{
    for (const char* name : {"f1.tmp", "f2.tmp", "f3.tmp", "f4.tmp", "f5.tmp"})
        home.MakeFile(std::string("work\\sub\\") + name);
    ASSERT_TRUE(Open());
    ui::Click(dlg, IDC_CONFIRM_EACH);
    Run(home / "work", "*.tmp");
    HWND confirm;
    ASSERT_NE(confirm = WaitForConfirm(), nullptr);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_STATUS), FolderStatus(home / "work\\sub"));
    EXPECT_EQ(States(), "dddhd dehh e dDdeh ｷｬﾝｾﾙ(&X)");
    EXPECT_EQ(::GetWindow(confirm, GW_OWNER), dlg);

    // Ticked and unticked again, the box asks on.
    ui::Click(confirm, IDC_NO_MORE_CONFIRM);
    ui::Click(confirm, IDC_NO_MORE_CONFIRM);
    const std::string yes = Answer(confirm, IDOK);
    const std::string no = Answer(WaitForConfirm(), IDCANCEL);
    const std::string closed = Answer(WaitForConfirm(), SC_CLOSE);
    const std::string aborted = Answer(WaitForConfirm(), IDC_ABORT);
    EXPECT_TRUE(Reports("1 件のファイルを削除しました."));
    const Lines log = ReadLines(home / "Purgox_Delete.log");
    EXPECT_EQ(log, (Lines{log[0], "削除:" + yes, "中止:" + no + kStopped, "中止:" + closed + kStopped,
                          "中止:" + aborted + kStopped}));
    EXPECT_EQ(States(), "eeehe eeee h eEeee 閉じる(&X)");

    // "No more questions" with no keeps that file and deletes the rest.
    Run(home / "work", "*.tmp");
    ASSERT_NE(confirm = WaitForConfirm(), nullptr);
    ui::Click(confirm, IDC_NO_MORE_CONFIRM);
    EXPECT_EQ(Answer(confirm, IDCANCEL), no);
    EXPECT_TRUE(Reports("3 件のファイルを削除しました."));

    // A close request during a confirmation stops the run: the window is
    // idle at once, a run request and the log (still open) are refused, and
    // the close waits for the run's report, keeping what was typed after it.
    Run(home / "work", "*.tmp");
    ASSERT_NE(confirm = WaitForConfirm(), nullptr);
    ui::Command(dlg, IDCANCEL);
    ui::Command(dlg, IDC_RUN);
    ui::Command(dlg, IDC_LOG);
    ui::Command(dlg, IDCANCEL);
    ASSERT_TRUE(ui::Flush(dlg));
    ui::TypeText(dlg, IDC_FILETYPES, "*.late");
    EXPECT_TRUE(::IsWindowVisible(dlg) && ::IsWindowVisible(confirm) &&
                !ui::WaitForDialog(ui::kDefaultBoxCaption, ::GetCurrentProcessId(), 0));
    EXPECT_EQ(States(), "eeeeh eeee h eEeee 閉じる(&X)");
    EXPECT_EQ(Answer(confirm, IDCANCEL), no);
    EXPECT_TRUE(Reports("0 件のファイルを削除しました."));
    EXPECT_TRUE(ui::WaitForClose(dlg));
    EXPECT_EQ(ReadLines(home / "Purgox_Delete.log").size(), 2u);
    EXPECT_TRUE(PathExists(no));
    EXPECT_EQ(ReadLines(home / "Purgox.dat").at(1), "*.late");
}

// A folder's name waiting behind the one just shown reaches the line at a
// pump point once its time has come. A look at the queue comes at most every
// 10 ms and takes every waiting message; between looks the queue is left alone.
TEST(RunHost, TheStatusLineShowsAWaitingTextAtThePumpPointsWhichLookAtTheQueueEveryTenMilliseconds)
{
    const HWND window = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, window, reinterpret_cast<HMENU>(IDC_STATUS), nullptr, nullptr);
    CDeleteLogFile log;
    CRunHost host(window, log);
    host.SetStatus("a");
    host.SetStatus("b");
    host.PumpMessages(false);
    EXPECT_EQ(ui::GetItemText(window, IDC_STATUS), "a");
    MSG msg;
    int calls = 0, looks = 0;
    for (const ULONGLONG end = ::GetTickCount64() + 200; ::GetTickCount64() < end; ++calls) {
        ::PostMessageA(window, WM_APP, 0, 0);
        host.PumpMessages(false);
        looks += !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    }
    EXPECT_EQ(ui::GetItemText(window, IDC_STATUS), "b");
    EXPECT_TRUE(looks >= 5 && looks <= 25 && calls > 10 * looks) << looks << " looks in " << calls << " calls";
    ::DestroyWindow(window);
}
