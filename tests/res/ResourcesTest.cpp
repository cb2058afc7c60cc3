// The resources as the program loads them: every text of every dialog fits
// its control in the control's own font (at the tests' 96 DPI, and in a
// second run of this test at 144 DPI); the generated clip and tree pictures
// decode.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "res/resource.h"

namespace {

const char kDpiVariable[] = "PURGOX_TEST_DPI";

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

HWND CreateTemplate(int id)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_ANIMATE_CLASS | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainDialogProc, 0);
}

// The room a control gives its own text and how it lays the text out there;
// false for controls that show no text of their own.
bool TextRoom(HWND control, RECT& room, UINT& format)
{
    ::GetClientRect(control, &room);
    char kind[32] = {};
    ::GetClassNameA(control, kind, sizeof kind);
    const LONG style = ::GetWindowLongA(control, GWL_STYLE);
    format = DT_CALCRECT | DT_SINGLELINE;
    if (lstrcmpiA(kind, "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        format = DT_CALCRECT | (style & SS_NOPREFIX ? DT_NOPREFIX : 0) |
                 (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK);
        return type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP;
    }
    if (lstrcmpiA(kind, "Button") != 0)
        return false;
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX)
        room.left += ::GetSystemMetrics(SM_CXMENUCHECK);
    else // push buttons and group boxes: their frames
        ::InflateRect(&room, -3, type == BS_GROUPBOX ? 0 : -3);
    return true;
}

// "template / control: text" of each control whose text does not fit.
std::vector<std::string> CutTexts(int templateId)
{
    std::vector<std::string> cut;
    const HWND dialog = CreateTemplate(templateId);
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        char text[512] = {};
        ::GetWindowTextA(control, text, sizeof text);
        const HDC dc = ::GetDC(control);
        const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
        RECT room;
        UINT format = 0;
        const bool shown = TextRoom(control, room, format);
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

// Pixels of the colour once the picture is drawn over a dark blue ground.
int CountPixels(const std::function<void(HDC)>& draw, int width, int height, COLORREF colour)
{
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ old = ::SelectObject(dc, bitmap);
    const RECT all = {0, 0, width, height};
    ::SetBkColor(dc, RGB(0, 0, 0x55));
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    draw(dc);
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            count += ::GetPixel(dc, x, y) == colour;
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return count;
}

} // namespace

TEST(Resources, TextsFitTheirControlsAtThisDpi)
{
    const char* wanted = std::getenv(kDpiVariable);
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, wanted ? std::atoi(wanted) : 96);
    for (int id : {IDD_PURGOX_DIALOG, IDD_ABOUTBOX, IDD_DIR_SELECT, IDD_DELETE_CONFIRM, IDD_DELETE_LOG})
        EXPECT_EQ(CutTexts(id), std::vector<std::string>{}) << "at " << dpi << " DPI";
}

TEST(Resources, TextsFitTheirControlsAt144Dpi)
{
    ::SetEnvironmentVariableA(kDpiVariable, "144");
    SetDpi(144);
    const DWORD exitCode = RunTestProgram("Resources.TextsFitTheirControlsAtThisDpi");
    SetDpi(96);
    ::SetEnvironmentVariableA(kDpiVariable, nullptr);
    EXPECT_EQ(exitCode, 0u) << "the texts at 144 DPI: see the child's output above";
}

// The clip has 29 frames (showing a single frame succeeds only for frames
// it has) and its first shows the yellow folder: the frames decode and the
// palette is in the right byte order. The tree strip's seven pictures have
// their mask colour drawn transparent.
TEST(Resources, GeneratedPicturesDecode)
{
    const HWND main = CreateTemplate(IDD_PURGOX_DIALOG);
    const HWND animate = ::GetDlgItem(main, IDC_ANIMATE);
    ASSERT_NE(::SendMessageA(animate, ACM_OPENA, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_DELETE_AVI))), 0);
    ::SendMessageA(animate, ACM_STOP, 0, 0);
    EXPECT_NE(::SendMessageA(animate, ACM_PLAY, 1, MAKELONG(28, 28)), 0);
    EXPECT_EQ(::SendMessageA(animate, ACM_PLAY, 1, MAKELONG(29, 29)), 0);
    EXPECT_NE(::SendMessageA(animate, ACM_PLAY, 1, MAKELONG(0, 0)), 0);
    RECT r;
    ::GetClientRect(animate, &r);
    const auto print = [animate](HDC dc) { ::SendMessageA(animate, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); };
    EXPECT_GT(CountPixels(print, r.right, r.bottom, RGB(255, 255, 0)), 50);
    ::DestroyWindow(main);

    const HIMAGELIST images = ::ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_DRIVES), 16, 1,
                                                     RGB(255, 0, 255), IMAGE_BITMAP, 0);
    ASSERT_EQ(::ImageList_GetImageCount(images), 7);
    for (int i = 0; i < 7; ++i) {
        const auto draw = [images, i](HDC dc) { ::ImageList_Draw(images, i, dc, 0, 0, ILD_TRANSPARENT); };
        EXPECT_EQ(CountPixels(draw, 16, 16, RGB(255, 0, 255)), 0) << "picture " << i;
        const int ground = CountPixels(draw, 16, 16, RGB(0, 0, 0x55));
        EXPECT_TRUE(ground > 0 && ground < 16 * 16) << "picture " << i;
    }
    ::ImageList_Destroy(images);
}
