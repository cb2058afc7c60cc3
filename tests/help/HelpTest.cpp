#include <windows.h>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
#include "res/resource.h"

// The program's folder is longer than MAX_PATH in Shift-JIS bytes: no page
// is looked for past the path limit, and the warning names it in full.
TEST(HelpButton, WarnsOfAMissingPageBesideTheProgram)
{
    TestFolder dir;
    std::string name;
    while (name.size() < 260)
        name += "ア";
    const std::string home = dir.MakeFolder(name), exe = home + "\\Purgox.exe";
    ASSERT_TRUE(::CopyFileA(PURGOX_EXE, exe.c_str(), FALSE));
    WriteBytes(home + "\\Purgox.dat", "\r\n*.x\r\n");
    ui::ChildProcess program;
    ASSERT_TRUE(program.Start(exe, dir.Path()));
    const HWND main = ui::WaitForDialog("指定ﾌｧｲﾙの一括削除", program.Id());
    ASSERT_NE(main, nullptr);
    ui::Click(main, IDC_HELP_BTN);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              "ヘルプファイル " + home + "\\Purgox.html が見つかりません。");
    // Nor are the settings there read or written: the stored ones stay.
    ui::Command(main, IDCANCEL);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              GetSystemErrorText(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_EQ(ReadBytes(home + "\\Purgox.dat"), "\r\n*.x\r\n");
}
