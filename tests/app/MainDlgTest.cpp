// The main window at rest, and its settings file.
#include <shlobj.h>

#include "MainWindow.h"
#include "fsutil/ErrorText.h"
#include "fsutil/WideText.h"
#include "win/Handle.h"

TEST_F(MainWindow, FirstStartShowsTheDefaultsAndEveryControlIsWired)
{
    home.MakeFile("x.obj");
    ASSERT_TRUE(Open());
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), home.Path() + "\\");
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Lines{kBuildTypes, kTempTypes}));
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FILETYPES), kBuildTypes);
    EXPECT_EQ(ui::GetFocusedItem(dlg), IDC_FOLDER);
    EXPECT_EQ(States(), kIdle);
    char about[64] = {};
    ::GetMenuStringA(::GetSystemMenu(dlg, FALSE), IDM_ABOUTBOX, about, sizeof about, MF_BYCOMMAND);
    EXPECT_STREQ(about, "ﾊﾞｰｼﾞｮﾝ情報(Purgox) (&A)...");
    ui::SysCommand(dlg, IDM_ABOUTBOX);
    const HWND box = ui::WaitForDialog("ﾊﾞｰｼﾞｮﾝ情報 Purgox");
    EXPECT_EQ(::GetWindow(box, GW_OWNER), dlg);
    ui::Command(box, IDCANCEL);

    // Enter neither closes the window nor starts a run.
    ::PostMessageA(::GetDlgItem(dlg, IDC_FOLDER), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(ui::Flush(dlg));
    EXPECT_TRUE(::IsWindowVisible(dlg) && PathExists(home / "x.obj"));

    // The tree opens at the stored start folder; OK alone takes the choice.
    ui::SetText(dlg, IDC_FOLDER, "X:\\typed");
    for (const auto& [answer, field] : {std::pair<int, std::string>{IDCANCEL, "X:\\typed"}, {IDOK, home.Path() + "\\"}}) {
        ui::Click(dlg, IDC_BROWSE);
        const HWND tree = ui::WaitForDialog("処理開始ﾌｫﾙﾀﾞの選択");
        EXPECT_EQ(ui::GetItemText(tree, IDC_DIR_PATH), home.Path());
        ui::Command(tree, answer);
        ui::WaitForClose(tree);
        EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), field);
    }

    ui::TypeText(dlg, IDC_FILETYPES, "*.TMP/*.BAK");
    EXPECT_EQ(States(), "eeeeh eede h eeeee 閉じる(&X)");
    ui::Click(dlg, IDC_ADD_TYPE);
    EXPECT_EQ(States(), kIdle);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FILETYPES), kTempTypes);
    ui::TypeText(dlg, IDC_FILETYPES, "*.log");
    ui::Click(dlg, IDC_ADD_TYPE);
    EXPECT_EQ(States(), kIdle);
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Lines{kBuildTypes, kTempTypes, "*.log"}));
    ui::Click(dlg, IDC_REMOVE_TYPE);
    EXPECT_EQ(States(), kIdle);
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Lines{kBuildTypes, kTempTypes}));

    // No subfolders unticks and locks remove-empty.
    ui::Click(dlg, IDC_REMOVE_EMPTY_DIRS);
    ui::Click(dlg, IDC_NO_SUBFOLDERS);
    EXPECT_EQ(States(), "eeehe eede h Eedee 閉じる(&X)");
    ui::Click(dlg, IDC_NO_SUBFOLDERS);
    EXPECT_EQ(States(), kIdle);
}

TEST_F(MainWindow, SettingsComeFromTheFileAndGoBackAtClosing)
{
    const std::string work = home.MakeFolder("work");
    const std::string spec = home / "Purgox.dat";
    WriteBytes(spec, work + "\r\n\r\n*.a\r\n");
    ASSERT_TRUE(Open());
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), work);
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Lines{"", "*.a"}));
    ui::PickComboItem(dlg, IDC_FILETYPES, 1);
    EXPECT_TRUE(Close());
    EXPECT_EQ(ReadLines(spec), (Lines{work, "*.a"}));

    // A folder line that is no folder, and no entries: the defaults.
    WriteBytes(spec, "Q:\\nowhere\\\r\n");
    ASSERT_TRUE(Open());
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), home.Path() + "\\");
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES).size(), 2u);
    const std::string longEntry = std::string(300, '/') + "*.zzz";
    ui::SetText(dlg, IDC_FOLDER, "Q:\\typed");
    ui::TypeText(dlg, IDC_FILETYPES, longEntry);
    EXPECT_TRUE(Close());
    EXPECT_EQ(ReadLines(spec), (Lines{"Q:\\typed", longEntry, kBuildTypes, kTempTypes}));

    // Held at the start: a warning, the defaults, and no save; at closing: a warning.
    const std::string old = ReadBytes(spec);
    const auto hold = [&] {
        return win::Handle(::CreateFileA(spec.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    };
    win::Handle held = hold();
    ASSERT_TRUE(Open(GetSystemErrorText(ERROR_SHARING_VIOLATION)));
    EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (Lines{kBuildTypes, kTempTypes}));
    held.Reset();
    ui::Command(dlg, IDCANCEL);
    EXPECT_TRUE(Warns("設定ﾌｧｲﾙ '" + spec + "' は起動時に読めなかったため、上書きしません．今回の設定は保存されません．\n" +
                      GetSystemErrorText(ERROR_SHARING_VIOLATION)));
    EXPECT_TRUE(Close());
    EXPECT_EQ(ReadBytes(spec), old);
    ASSERT_TRUE(Open());
    held = hold();
    ui::Command(dlg, IDCANCEL);
    EXPECT_FALSE(ui::DismissMessageBox(ui::kDefaultBoxCaption).empty());
    EXPECT_TRUE(Close());
    held.Reset();
    EXPECT_EQ(ReadBytes(spec), old);
}

// As the shell drops: wide names, each ending in a null, in a block the window
// frees. A path on the command line is taken as the window opens.
TEST_F(MainWindow, TakesTheFolderOfTheFirstDroppedItemOrOfItsCommandLineUnlessItCannotBeNamedOrARunIsOn)
{
    const std::string file = home.MakeFile("work\\sub\\a.tmp");
    const auto drop = [&](std::wstring names) {
        names += L'\0';
        auto* files = static_cast<DROPFILES*>(::GlobalAlloc(GMEM_ZEROINIT, sizeof(DROPFILES) + names.size() * 2 + 2));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        names.copy(reinterpret_cast<wchar_t*>(files + 1), names.size());
        ::PostMessageA(dlg, WM_DROPFILES, reinterpret_cast<WPARAM>(files), 0);
        return ui::Flush(dlg) ? ui::GetItemText(dlg, IDC_FOLDER) : std::string();
    };
    const std::wstring unheld = ToWide(home.Path()) + L"\\x\u00A5y";
    const std::string refusal = "'" + home / "x?y' はｼﾌﾄJISで表せない文字を含むため、処理開始ﾌｫﾙﾀﾞにできません．";
    ASSERT_TRUE(Open(refusal, unheld));
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), home.Path() + "\\");
    EXPECT_EQ(drop(ToWide(home / "work")), home / "work\\");
    EXPECT_EQ(drop(ToWide(home / "gone")), home / "gone");
    EXPECT_EQ(drop(ToWide(file) + L'\0' + ToWide(home.Path())), home / "work\\sub\\");
    EXPECT_EQ(drop(unheld), home / "work\\sub\\");
    EXPECT_TRUE(Warns(refusal));
    const std::string deep = home / std::string(259 - home.Path().size(), 'd');
    EXPECT_EQ(drop(ToWide(deep)), home / "work\\sub\\");
    EXPECT_TRUE(Warns("'" + deep + "' はﾊﾟｽが 259 ﾊﾞｲﾄを超えるため、処理開始ﾌｫﾙﾀﾞにできません．"));

    ui::Click(dlg, IDC_CONFIRM_EACH);
    Run(home / "work", "*.tmp");
    const HWND confirm = WaitForConfirm();
    EXPECT_EQ(drop(ToWide(home.Path())), home / "work");
    ui::Click(confirm, IDCANCEL);
    EXPECT_TRUE(Reports("0 件のファイルを削除しました."));
}
