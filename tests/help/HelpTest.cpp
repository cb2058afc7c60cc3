#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "fsutil/WideText.h"
#include "res/resource.h"

// A program folder past MAX_PATH bytes: no page is looked for there.
TEST(HelpButton, WarnsOfAMissingPageBesideTheProgram)
{
    TestFolder dir;
    std::string home = dir.Path() + "\\";
    while (home.size() < dir.Path().size() + 261)
        home += "ア";
    const std::string exe = dir.MakeFolder(home.substr(dir.Path().size() + 1)) + "\\Purgox.exe";
    ASSERT_TRUE(::CopyFileA(PURGOX_EXE, exe.c_str(), FALSE));
    WriteBytes(home + "\\Purgox.dat", "\r\n*.x\r\n");
    ui::ChildProcess program;
    ASSERT_TRUE(program.Start(exe, dir.Path()));
    const HWND main = ui::WaitForDialog("指定ﾌｧｲﾙの一括削除", program.Id());
    ui::Click(main, IDC_HELP_BTN);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              "ヘルプファイル " + home + "\\Purgox.html が見つかりません．");
    // Nor are the settings there read or written: the stored ones stay.
    ui::Command(main, IDCANCEL);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              GetSystemErrorText(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_EQ(ReadBytes(home + "\\Purgox.dat"), "\r\n*.x\r\n");
}

// The first argument is taken as if typed, and saved at closing; Send To
// starts the program so. A program folder that the code page cannot name
// holds neither the settings nor the log: the look-alike "x\y" is never used.
TEST(Program, TakesTheFolderOnItsCommandLineAndStartsOnlyInAFolderItCanName)
{
    TestFolder dir;
    const std::string home = dir.MakeFolder("home"), work = dir.MakeFolder("my work");
    const std::string file = dir.MakeFile("my work\\a.txt");
    ASSERT_TRUE(::CopyFileA(PURGOX_EXE, (home + "\\Purgox.exe").c_str(), FALSE));
    const std::wstring unheld = ToWide(dir.Path()) + L"\\x\u00A5y";
    const std::pair<std::wstring, std::string> starts[] = {
        {L'"' + unheld + L'"', home + "\\"}, {L'"' + ToWide(file) + L'"', work + "\\"},
        {L"gone", dir / "gone"}, {L"\"my work\" " + ToWide(file), work + "\\"}};
    for (const auto& [argument, field] : starts) {
        ui::ChildProcess program;
        ASSERT_TRUE(program.Start(ToWide(home + "\\Purgox.exe"), dir.Path(), argument));
        if (argument.find(unheld) != std::wstring::npos) {
            EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
                      "'" + dir / "x?y' はｼﾌﾄJISで表せない文字を含むため、処理開始ﾌｫﾙﾀﾞにできません．");
        }
        const HWND main = ui::WaitForDialog("指定ﾌｧｲﾙの一括削除", program.Id());
        EXPECT_EQ(ui::GetItemText(main, IDC_FOLDER), field);
        ui::Command(main, IDCANCEL);
        EXPECT_TRUE(program.WaitForExit());
        EXPECT_EQ(ReadBytes(home + "\\Purgox.dat").substr(0, field.size() + 2), field + "\r\n");
    }

    const std::string lookAlike = dir.MakeFolder("x\\y");
    WriteBytes(lookAlike + "\\Purgox.dat", "\r\n*.x\r\n");
    ASSERT_TRUE(MakeWide(dir.Path(), L"x\u00A5y\\"));
    ASSERT_TRUE(::CopyFileW(ToWide(PURGOX_EXE).c_str(), (unheld + L"\\Purgox.exe").c_str(), FALSE));
    ui::ChildProcess refused;
    ASSERT_TRUE(refused.Start(unheld + L"\\Purgox.exe", dir.Path(), L""));
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, refused.Id()),
              "Purgox のﾌｫﾙﾀﾞ '" + dir / "x?y\\' の名前にはｼﾌﾄJISで表せない文字が含まれるため、設定ﾌｧｲﾙと削除ﾛｸﾞを置けません．\n"
              "Purgox を別のﾌｫﾙﾀﾞに移してから起動してください．");
    EXPECT_TRUE(refused.WaitForExit());
    EXPECT_EQ(ReadBytes(lookAlike + "\\Purgox.dat"), "\r\n*.x\r\n");
}
