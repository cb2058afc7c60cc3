#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "fsutil/WideText.h"
#include "res/resource.h"

// A program folder past MAX_PATH bytes: no page is looked for there.
TEST(Program, WarnsOfAMissingHelpPageTakesItsCommandLineAndStartsOnlyInAFolderItCanName)
{
    TestFolder dir;
    dir.MakeFolder("my work");
    std::string home = dir.Path() + "\\";
    while (home.size() < dir.Path().size() + 261)
        home += "ア";
    const std::string exe = dir.MakeFolder(home.substr(dir.Path().size() + 1)) + "\\Purgox.exe";
    ASSERT_TRUE(::CopyFileA(PURGOX_EXE, exe.c_str(), FALSE));
    WriteBytes(home + "\\Purgox.dat", "\r\n*.x\r\n");
    ui::ChildProcess program;
    ASSERT_TRUE(program.Start(exe, dir.Path(), "\"my work\" " + exe));
    const HWND main = ui::WaitForDialog("指定ﾌｧｲﾙの一括削除", program.Id());
    // The first argument, as Send To gives it; a relative one from the working folder.
    EXPECT_EQ(ui::GetItemText(main, IDC_FOLDER), dir / "my work\\");
    ui::Click(main, IDC_HELP_BTN);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              "ヘルプファイル " + home + "\\Purgox.html が見つかりません．");
    // Nor are the settings there read or written: the stored ones stay.
    ui::Command(main, IDCANCEL);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              GetSystemErrorText(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_EQ(ReadBytes(home + "\\Purgox.dat"), "\r\n*.x\r\n");

    // A folder the code page cannot name holds neither the settings nor the
    // log: the program does not start, and never uses the look-alike "x\y".
    const std::string lookAlike = dir.MakeFolder("x\\y");
    WriteBytes(lookAlike + "\\Purgox.dat", "\r\n*.x\r\n");
    const std::wstring unheld = ToWide(dir.Path()) + L"\\x\u00A5y";
    ASSERT_TRUE(MakeWide(dir.Path(), L"x\u00A5y\\"));
    ASSERT_TRUE(::CopyFileW(ToWide(PURGOX_EXE).c_str(), (unheld + L"\\Purgox.exe").c_str(), FALSE));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION refused{};
    ASSERT_TRUE(::CreateProcessW((unheld + L"\\Purgox.exe").c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &refused));
    const win::Handle thread(refused.hThread), process(refused.hProcess);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, refused.dwProcessId),
              "Purgox のﾌｫﾙﾀﾞ '" + dir / "x?y\\' の名前にはｼﾌﾄJISで表せない文字が含まれるため、設定ﾌｧｲﾙと削除ﾛｸﾞを置けません．\n"
              "Purgox を別のﾌｫﾙﾀﾞに移してから起動してください．");
    EXPECT_EQ(::WaitForSingleObject(process.Get(), ui::kTimeout), WAIT_OBJECT_0);
    EXPECT_EQ(ReadBytes(lookAlike + "\\Purgox.dat"), "\r\n*.x\r\n");
}
