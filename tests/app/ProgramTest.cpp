// The program itself, started from a folder of its own as a user starts it.
#include <gtest/gtest.h>

#include <algorithm>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "res/resource.h"

TEST(Program, StartsBesideItsSettingsAndSavesThemOnClose)
{
    TestFolder home;
    std::string built = "Z:" PURGOX_EXE;
    std::replace(built.begin(), built.end(), '/', '\\');
    const std::string exe = home / "Purgox.exe";
    ASSERT_TRUE(::CopyFileA(built.c_str(), exe.c_str(), FALSE));
    WriteBytes(home / "Purgox.dat", "\r\n*.x\r\n");
    ui::ChildProcess program;
    ASSERT_TRUE(program.Start(exe, "C:\\"));
    const HWND dlg = ui::WaitForDialog("指定ﾌｧｲﾙの一括削除", program.Id());
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), home.Path() + "\\");
    ui::Command(dlg, IDCANCEL);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(ReadBytes(home / "Purgox.dat"), home.Path() + "\\\r\n*.x\r\n");
}
