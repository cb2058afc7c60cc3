#include "MainWindow.h"

#include <commctrl.h>

#include "TestFolder.h"
#include "app/PurgoxDlg.h"

const char kMainCaption[] = "指定ﾌｧｲﾙの一括削除";
const char kConfirmCaption[] = "ﾌｧｲﾙ削除前の確認";
const char kReportCaption[] = "Purgox.Exe";
const char kIdleStatus[] = "フォルダと削除するファイルの種類を選択後、[実行]を押してください．";
const char kBuildTypes[] = "*.bsc/*.idb/*.obj/*.pdb/*.exp/*.pch/*.res/*.sbr/*.aps/*.ncb/*.ilk";
const char kTempTypes[] = "*.tmp/*.bak";

namespace {

INT_PTR RunMainDialog(const std::string& home)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS};
    ::InitCommonControlsEx(&controls);
    CPurgoxDlg dialog(nullptr, home);
    return dialog.DoModal();
}

} // namespace

MainWindow::MainWindow(const std::string& home)
    : m_thread([home] { return RunMainDialog(home); }), m_hwnd(m_thread.WaitForDialog(kMainCaption))
{
}

std::vector<std::string> ReadLines(const std::string& path)
{
    const std::string bytes = ReadBytes(path);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
