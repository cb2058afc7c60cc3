// Walks a copy of the program through the states that docs/help shows and
// asks scripts/screenshots.sh to photograph each: it writes "name x y width
// height" to the request file and waits until the script has removed it.
// Arguments: the program, its folder of work, the request file, and
// optionally a name: then only the main window is shot, under that name.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "DialogDriver.h"
#include "ShotRequest.h"
#include "res/resource.h"

namespace {

const char kMainCaption[] = "指定ﾌｧｲﾙの一括削除";

std::string g_request;

bool Shoot(const char* name, HWND window)
{
    return RequestShot(g_request, name, window);
}

void MakeFiles(const std::string& folder, const char* extension, int count)
{
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        const std::string path = folder + "\\file" + std::to_string(i) + extension;
        std::ofstream(path) << "x";
    }
}

std::string FirstLine(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

void AnswerReport(DWORD process)
{
    ui::WaitForDialog("Purgox.Exe", process, 60000);
    ui::DismissMessageBox("Purgox.Exe", process);
}

bool Tour(const std::string& exe, const std::string& home, const char* mainOnly)
{
    const std::string work = home + "\\作業フォルダ";
    MakeFiles(work, ".bak", 30);
    MakeFiles(work + "\\sub", ".tmp", 10);
    const std::string asked = home + "\\確認フォルダ";
    MakeFiles(asked, ".tmp", 3);

    ui::ChildProcess program;
    if (!program.Start(exe, home))
        return false;
    const DWORD id = program.Id();
    const HWND main = ui::WaitForDialog(kMainCaption, id);
    if (!main)
        return false;
    ui::SetText(main, IDC_FOLDER, work + "\\");
    ui::PickComboItem(main, IDC_FILETYPES, 1);
    ui::WaitUntil([&] { return ::SendDlgItemMessageA(main, IDC_FILETYPES, CB_GETCURSEL, 0, 0) == 1; });
    ::Sleep(300);
    if (mainOnly) {
        Shoot(mainOnly, main);
        ui::Command(main, IDCANCEL);
        return program.WaitForExit();
    }
    Shoot("main-idle", main);

    // Through the recycle bin each file takes a tenth of a second: time to
    // see the clip play.
    ui::Click(main, IDC_USE_RECYCLE_BIN);
    ui::Click(main, IDC_RUN);
    ui::WaitUntil([&] { return ::IsWindowVisible(::GetDlgItem(main, IDC_ANIMATE)); });
    ::Sleep(1200);
    Shoot("main-running", main);
    AnswerReport(id);
    ui::Click(main, IDC_USE_RECYCLE_BIN);

    ui::SetText(main, IDC_FOLDER, asked);
    ui::Click(main, IDC_CONFIRM_EACH);
    ui::Click(main, IDC_RUN);
    const HWND confirm = ui::WaitForDialog("ﾌｧｲﾙ削除前の確認", id);
    ::Sleep(300);
    Shoot("confirm", confirm);
    ui::Click(confirm, IDOK);
    ui::WaitForClose(confirm);
    const HWND second = ui::WaitForDialog("ﾌｧｲﾙ削除前の確認", id);
    ui::Click(second, IDCANCEL);
    ui::WaitForClose(second);
    const HWND third = ui::WaitForDialog("ﾌｧｲﾙ削除前の確認", id);
    ui::Click(third, IDC_ABORT);
    AnswerReport(id);

    ui::Click(main, IDC_LOG);
    const HWND viewer = ui::WaitForDialog(FirstLine(home + "\\Purgox_Delete.log"), id);
    ::Sleep(300);
    Shoot("log-viewer", viewer);
    ui::Command(viewer, IDCANCEL);
    ui::WaitForClose(viewer);

    ui::SysCommand(main, IDM_ABOUTBOX);
    const HWND about = ui::WaitForDialog("ﾊﾞｰｼﾞｮﾝ情報 Purgox", id);
    ::Sleep(300);
    Shoot("about", about);
    ui::Command(about, IDOK);
    ui::WaitForClose(about);

    ui::Command(main, IDCANCEL);
    return program.WaitForExit();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: screenshot_tour PROGRAM HOME REQUEST [NAME]\n");
        return 2;
    }
    g_request = argv[3];
    const bool done = Tour(argv[1], argv[2], argc == 5 ? argv[4] : nullptr);
    if (!done)
        std::fprintf(stderr, "screenshot_tour: the program did not go through every state\n");
    return done ? 0 : 1;
}
