#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"
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
              "ヘルプファイル " + home + "\\Purgox.html が見つかりません。");
    // Nor are the settings there read or written: the stored ones stay.
    ui::Command(main, IDCANCEL);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              GetSystemErrorText(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_EQ(ReadBytes(home + "\\Purgox.dat"), "\r\n*.x\r\n");
}
