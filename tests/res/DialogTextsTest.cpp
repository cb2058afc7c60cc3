// Every text of every dialog template fits its control, measured with the
// control's own font at the display's DPI: once as the tests run (96 DPI),
// once in a copy of this test program started at 144 DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "res/resource.h"
#include "win/Handle.h"

namespace {

const char kDpiVariable[] = "PURGOX_TEST_DPI";

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

// The room a control gives its own text, and how DrawText lays the text out
// there; false for controls that show no text of their own.
bool TextRoom(HWND control, HDC dc, RECT& room, UINT& format)
{
    ::GetClientRect(control, &room);
    char kind[32] = {};
    ::GetClassNameA(control, kind, sizeof kind);
    const LONG style = ::GetWindowLongA(control, GWL_STYLE);
    int digit = 0;
    ::GetCharWidth32A(dc, '0', '0', &digit);
    format = DT_CALCRECT | DT_SINGLELINE;
    if (lstrcmpiA(kind, "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        format = DT_CALCRECT | (style & SS_NOPREFIX ? DT_NOPREFIX : 0) |
                 (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK);
        return type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP;
    }
    if (lstrcmpiA(kind, "Button") != 0)
        return false;
    switch (style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
        room.left += ::GetSystemMetrics(SM_CXMENUCHECK);
        break;
    case BS_GROUPBOX:
        ::InflateRect(&room, -digit, 0);
        break;
    default: // push buttons: their frame and focus rectangle
        ::InflateRect(&room, -3, -3);
        break;
    }
    return true;
}

// "template id / control id: text" of each control whose text does not fit.
std::vector<std::string> CutTexts(int templateId)
{
    std::vector<std::string> cut;
    const HWND dialog =
        ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr, PlainDialogProc, 0);
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        char text[512] = {};
        ::GetWindowTextA(control, text, sizeof text);
        HDC dc = ::GetDC(control);
        const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
        RECT room;
        UINT format = 0;
        const bool shown = TextRoom(control, dc, room, format);
        RECT needed = {room.left, room.top, room.right, room.top};
        ::DrawTextA(dc, text, -1, &needed, format);
        if (shown && *text && (needed.right > room.right || needed.bottom > room.bottom))
            cut.push_back(std::to_string(templateId) + "/" + std::to_string(::GetDlgCtrlID(control)) + ": " + text);
        ::SelectObject(dc, oldFont);
        ::ReleaseDC(control, dc);
    }
    ::DestroyWindow(dialog);
    return cut;
}

void SetDpi(DWORD dpi)
{
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

// Back to the tests' DPI, also when an assertion ends the test early.
struct DpiReset {
    ~DpiReset() { SetDpi(96); }
};

} // namespace

TEST(DialogTexts, FitTheirControlsAtThisDpi)
{
    const char* wanted = std::getenv(kDpiVariable);
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, wanted ? std::atoi(wanted) : 96);
    for (int id : {IDD_PURGOX_DIALOG, IDD_ABOUTBOX, IDD_DIR_SELECT, IDD_DELETE_CONFIRM, IDD_DELETE_LOG})
        EXPECT_EQ(CutTexts(id), std::vector<std::string>{}) << "at " << dpi << " DPI";
}

TEST(DialogTexts, FitTheirControlsAt144Dpi)
{
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" --gtest_filter=DialogTexts.FitTheirControlsAtThisDpi";
    ::SetEnvironmentVariableA(kDpiVariable, "144");
    const DpiReset reset;
    SetDpi(144);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    const bool ok =
        ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started);
    ::SetEnvironmentVariableA(kDpiVariable, nullptr);
    ASSERT_TRUE(ok);
    const win::Handle child(started.hProcess), thread(started.hThread);
    EXPECT_EQ(::WaitForSingleObject(child.Get(), 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(child.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u) << "the texts at 144 DPI: see the child's output above";
}
