#include "app/PurgoxApp.h"

#include <commctrl.h>
#include <mbctype.h>

#include "app/HandedPath.h"
#include "app/PurgoxDlg.h"
#include "fsutil/ErrorText.h"
#include "fsutil/Path.h"
#include "fsutil/WideText.h"
#include "win/Format.h"

namespace {

// Made before every other static object, so that all multibyte string
// functions treat text in the system's ANSI code page (Shift-JIS).
struct CodePageBinding {
    CodePageBinding() { _setmbcp(_MB_CP_ANSI); }
};
const CodePageBinding g_codePage __attribute__((init_priority(101)));

} // namespace

CPurgoxApp theApp;

BOOL CPurgoxApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const std::string home = GetModuleFolder();
    if (home.empty()) {
        ShowWarning(win::FormatText("Purgox のﾌｫﾙﾀﾞ '%s' の名前にはｼﾌﾄJISで表せない文字が含まれるため、"
                                    "設定ﾌｧｲﾙと削除ﾛｸﾞを置けません．\n"
                                    "Purgox を別のﾌｫﾙﾀﾞに移してから起動してください．",
                                    GetFolderPart(ToShown(GetWideModulePath())).c_str()),
                    nullptr);
        return FALSE;
    }
    CPurgoxDlg dialog(nullptr, home, FirstArgument(::GetCommandLineW()));
    dialog.DoModal();
    return FALSE;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    theApp.InitInstance();
    return 0;
}
