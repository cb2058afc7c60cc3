#include "app/PurgoxApp.h"

#include <commctrl.h>
#include <mbctype.h>

#include "app/PurgoxDlg.h"
#include "fsutil/Path.h"

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
    CPurgoxDlg dialog(nullptr, GetModuleFolder());
    dialog.DoModal();
    return FALSE;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    theApp.InitInstance();
    return 0;
}
