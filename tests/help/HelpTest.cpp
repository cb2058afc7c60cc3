#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "app/HelpFile.h"
#include "res/resource.h"

TEST(HelpChoice, HelpFileFirstThenThePageBesideTheProgramThenAWarning)
{
    const struct {
        const char* exe;
        std::set<std::string> present;
        HelpViewer viewer;
        const char* path;
    } cases[] = {
        {"C:\\T\\Purgox.exe", {"C:\\T\\Purgox.HLP", "C:\\T\\Purgox.html"}, HelpViewer::WinHelp, "C:\\T\\Purgox.HLP"},
        // The help file follows the executable's name; the page keeps its own.
        {"C:\\v1.2\\Cleaner.exe", {"C:\\v1.2\\Purgox.HLP", "C:\\v1.2\\Purgox.html"}, HelpViewer::Page,
         "C:\\v1.2\\Purgox.html"},
        // ソ ends in the byte 0x5C, which is no folder separator.
        {"C:\\ソフト\\Cleaner.exe", {"C:\\ソフト\\Cleaner.HLP"}, HelpViewer::WinHelp, "C:\\ソフト\\Cleaner.HLP"},
        {"C:\\T\\bin\\Purgox.exe", {"C:\\T\\Purgox.html"}, HelpViewer::Missing, "C:\\T\\bin\\Purgox.html"},
    };
    for (const auto& c : cases) {
        const HelpChoice choice = ChooseHelp(c.exe, [&](const std::string& path) { return c.present.count(path) > 0; });
        EXPECT_EQ(choice.viewer, c.viewer) << c.exe << " with " << c.present.size() << " files";
        EXPECT_EQ(choice.path, c.path) << c.exe << " with " << c.present.size() << " files";
    }
}

// Wine's shell takes the program for .html files from the machine's classes.
static void SetPageProgram(const std::string& command)
{
    ::RegSetKeyValueA(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", nullptr, REG_SZ, command.c_str(),
                      static_cast<DWORD>(command.size() + 1));
}

TEST(HelpButton, OpensThePageWithTheShellsProgramAndWarnsWhenItIsGone)
{
    TestFolder home;
    const std::string exe = home / "Purgox.exe", page = home / "Purgox.html", record = home / "opened.html";
    ASSERT_TRUE(::CopyFileA(PURGOX_EXE, exe.c_str(), FALSE));
    WriteBytes(page, "<html>help</html>");
    SetPageProgram("cmd /c copy \"%1\" \"" + record + "\"");
    ui::ChildProcess program;
    ASSERT_TRUE(program.Start(exe, home.Path()));
    const HWND main = ui::WaitForDialog("指定ﾌｧｲﾙの一括削除", program.Id());
    ASSERT_NE(main, nullptr);
    ui::Click(main, IDC_HELP_BTN);
    EXPECT_TRUE(ui::WaitUntil([&] { return ReadBytes(record) == "<html>help</html>"; }));
    SetPageProgram("\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"");

    ASSERT_TRUE(::DeleteFileA(page.c_str()));
    ui::Click(main, IDC_HELP_BTN);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              "ヘルプファイル " + page + " が見つかりません。");
    ui::Command(main, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit());
}
