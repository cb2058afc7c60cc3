#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "app/HelpFile.h"
#include "fsutil/ErrorText.h"
#include "res/resource.h"

TEST(HelpChoice, HelpFileFirstThenThePageBesideTheProgramThenAWarning)
{
    const std::tuple<const char*, std::set<std::string>, HelpViewer, const char*> cases[] = {
        {"C:\\T\\Purgox.exe", {"C:\\T\\Purgox.HLP", "C:\\T\\Purgox.html"}, HelpViewer::WinHelp, "C:\\T\\Purgox.HLP"},
        // The help file follows the executable's name; the page keeps its own.
        {"C:\\v1.2\\Cleaner.exe", {"C:\\v1.2\\Purgox.HLP", "C:\\v1.2\\Purgox.html"}, HelpViewer::Page,
         "C:\\v1.2\\Purgox.html"},
        // ソ ends in the byte 0x5C, which is no folder separator.
        {"C:\\ソフト\\ソフト.exe", {"C:\\ソフト\\ソフト.HLP"}, HelpViewer::WinHelp, "C:\\ソフト\\ソフト.HLP"},
        {"C:\\T\\bin\\Purgox.exe", {"C:\\T\\Purgox.html"}, HelpViewer::Missing, "C:\\T\\bin\\Purgox.html"},
        // A dot in a folder's name is no extension.
        {"C:\\v1.2\\Purgox", {"C:\\v1.2\\Purgox.HLP"}, HelpViewer::WinHelp, "C:\\v1.2\\Purgox.HLP"},
    };
    for (const auto& [exe, present, viewer, path] : cases) {
        const HelpChoice choice = ChooseHelp(exe, [&](const std::string& file) { return present.count(file) > 0; });
        EXPECT_EQ(std::make_pair(choice.viewer, choice.path), std::make_pair(viewer, std::string(path))) << exe;
    }
}

// The program's folder is short in characters but longer than MAX_PATH in
// Shift-JIS bytes, and the warning names the page beside the program in full.
// No page is looked for past the path limit, so none is found there.
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
