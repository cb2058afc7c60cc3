// The help button: the choice between the help file, the help page and a
// warning as a table; then the program itself, opening its page through the
// shell's program for .html files and warning once the page is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "app/HelpFile.h"
#include "res/resource.h"

namespace {

// A Linux path of the build as a path of the Wine drive that holds the root.
std::string BuildPath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

const char kPageType[] = "PurgoxTest.page";

std::string GetDefault(const char* key)
{
    char value[256] = {};
    DWORD size = sizeof value;
    ::RegGetValueA(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

bool SetDefault(const std::string& key, const std::string& value)
{
    return ::RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                             static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// Makes the recorder the program for .html files in this test's Wine prefix
// for the life of the object. Wine's shell reads file types from the
// machine's classes only, so those are changed and put back.
class PageAssociation {
public:
    explicit PageAssociation(const std::string& record) : m_oldType(GetDefault(".html"))
    {
        // A run that was killed half-way left ours in place.
        if (m_oldType == kPageType)
            m_oldType = "htmlfile";
        const std::string command = "\"" + BuildPath(OPEN_RECORDER_EXE) + "\" \"" + record + "\" \"%1\"";
        m_set = SetDefault(std::string(kPageType) + "\\shell\\open\\command", command) &&
                SetDefault(".html", kPageType);
    }
    ~PageAssociation()
    {
        SetDefault(".html", m_oldType);
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kPageType);
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kPageType);
    }
    PageAssociation(const PageAssociation&) = delete;
    PageAssociation& operator=(const PageAssociation&) = delete;
    bool IsSet() const { return m_set; }

private:
    std::string m_oldType;
    bool m_set = false;
};

} // namespace

TEST(HelpChoice, HelpFileFirstThenThePageBesideTheProgramThenAWarning)
{
    const struct {
        const char* exe;
        std::set<std::string> present;
        HelpViewer viewer;
        const char* path;
    } cases[] = {
        {"C:\\Tools\\Purgox.exe", {"C:\\Tools\\Purgox.HLP", "C:\\Tools\\Purgox.html"}, HelpViewer::WinHelp,
         "C:\\Tools\\Purgox.HLP"},
        // The help file follows the executable's name; the page keeps its own.
        {"C:\\v1.2\\Cleaner.exe", {"C:\\v1.2\\Purgox.HLP", "C:\\v1.2\\Purgox.html"}, HelpViewer::Page,
         "C:\\v1.2\\Purgox.html"},
        // ソ ends in the byte 0x5C, which is no folder separator.
        {"C:\\ソフト\\Cleaner.exe", {"C:\\ソフト\\Cleaner.HLP"}, HelpViewer::WinHelp, "C:\\ソフト\\Cleaner.HLP"},
        {"C:\\Tools\\bin\\Purgox.exe", {"C:\\Tools\\Purgox.html"}, HelpViewer::Missing,
         "C:\\Tools\\bin\\Purgox.html"},
    };
    for (const auto& c : cases) {
        const HelpChoice choice = ChooseHelp(c.exe, [&](const std::string& path) { return c.present.count(path) > 0; });
        EXPECT_EQ(choice.viewer, c.viewer) << c.exe << " with " << c.present.size() << " files";
        EXPECT_EQ(choice.path, c.path) << c.exe << " with " << c.present.size() << " files";
    }
}

TEST(HelpButton, OpensThePageWithTheShellsProgramAndWarnsWhenItIsGone)
{
    TestFolder home;
    const std::string exe = home / "Purgox.exe";
    const std::string page = home / "Purgox.html";
    const std::string record = home / "opened.txt";
    ASSERT_TRUE(::CopyFileA(BuildPath(PURGOX_EXE).c_str(), exe.c_str(), FALSE));
    home.MakeFile("Purgox.html", "<html></html>");
    const PageAssociation association(record);
    ASSERT_TRUE(association.IsSet());

    ui::ChildProcess program;
    ASSERT_TRUE(program.Start(exe, home.Path()));
    const HWND main = ui::WaitForDialog("指定ﾌｧｲﾙの一括削除", program.Id());
    ASSERT_NE(main, nullptr);

    ui::Click(main, IDC_HELP_BTN);
    ASSERT_TRUE(ui::WaitUntil([&] { return !ReadBytes(record).empty(); }));
    EXPECT_EQ(ReadBytes(record), page + "\n");

    ASSERT_TRUE(::DeleteFileA(page.c_str()));
    ui::Click(main, IDC_HELP_BTN);
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption, program.Id()),
              "ヘルプファイル " + page + " が見つかりません。");
    EXPECT_EQ(ReadBytes(record), page + "\n");

    ui::Command(main, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit());
}
