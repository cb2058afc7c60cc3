// Every text of the dialogs fits its control in the control's own font, at
// 96 DPI and in a second run at 144 DPI; the generated pictures decode.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "DialogDriver.h"
#include "res/resource.h"
#include "win/ImageList.h"

namespace {

// The text of a button or a wrapping static when it does not fit the room
// the control gives it. Other statics are pictures, or paths that are cut at
// the edge on purpose.
std::string CutText(HWND control)
{
    char kind[16] = {}, text[512] = {};
    ::GetClassNameA(control, kind, sizeof kind);
    ::GetWindowTextA(control, text, sizeof text);
    const LONG style = ::GetWindowLongA(control, GWL_STYLE);
    const bool isButton = lstrcmpiA(kind, "Button") == 0;
    RECT room;
    ::GetClientRect(control, &room);
    if (isButton && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX)
        room.left += ::GetSystemMetrics(SM_CXMENUCHECK);
    else if (isButton) // a push button's or group box's frame
        ::InflateRect(&room, -3, -3);
    RECT needed = {room.left, room.top, room.right, room.top};
    const HDC dc = ::GetDC(control);
    ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    ::DrawTextA(dc, text, -1, &needed, DT_CALCRECT | (isButton ? DT_SINGLELINE : DT_WORDBREAK));
    ::ReleaseDC(control, dc);
    const bool shown = isButton || (lstrcmpiA(kind, "Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT);
    return shown && (needed.right > room.right || needed.bottom > room.bottom) ? text : "";
}

// Pixels of the colour once the picture is drawn over a dark blue ground.
int CountPixels(const std::function<void(HDC)>& draw, int width, int height, COLORREF colour)
{
    const HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info = {{sizeof info.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    const HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    ::SelectObject(dc, bitmap);
    const RECT all = {0, 0, width, height};
    ::SetBkColor(dc, RGB(0, 0, 0x55));
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    draw(dc);
    int count = 0;
    for (int i = 0; i < width * height; ++i)
        count += ::GetPixel(dc, i % width, i / width) == colour;
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    return count;
}

void SetDpi(DWORD dpi)
{
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

HWND CreateTemplate(int id)
{
    return ::CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), nullptr, nullptr, 0);
}

} // namespace

TEST(Resources, TextsFitTheirControlsAt96And144Dpi)
{
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    const bool second = std::getenv("PURGOX_TEST_DPI") != nullptr;
    ASSERT_EQ(dpi, second ? 144 : 96);
    for (int id : {IDD_PURGOX_DIALOG, IDD_ABOUTBOX, IDD_DIR_SELECT, IDD_DELETE_CONFIRM}) {
        const HWND dialog = CreateTemplate(id);
        for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT))
            EXPECT_EQ(CutText(control), "") << "dialog " << id << " at " << dpi << " DPI";
        ::DestroyWindow(dialog);
    }
    if (second)
        return;
    ::SetEnvironmentVariableA("PURGOX_TEST_DPI", "144");
    SetDpi(144);
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    ui::ChildProcess again;
    EXPECT_TRUE(again.Start(self, "", std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name()) &&
                again.WaitForExit(60000) && again.ExitCode() == 0)
        << "see the output above";
    SetDpi(96);
}

// The clip's last frame plays and shows the yellow folder, so the palette is
// in the right byte order; the tree strip's mask colour is drawn transparent.
TEST(Resources, GeneratedPicturesDecode)
{
    const HWND main = CreateTemplate(IDD_PURGOX_DIALOG);
    const HWND clip = ::GetDlgItem(main, IDC_ANIMATE);
    ASSERT_NE(::SendMessageA(clip, ACM_OPENA, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_DELETE_AVI))), 0);
    ::SendMessageA(clip, ACM_STOP, 0, 0);
    EXPECT_NE(::SendMessageA(clip, ACM_PLAY, 1, MAKELONG(28, 28)), 0);
    const auto print = [clip](HDC dc) { ::SendMessageA(clip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); };
    EXPECT_GT(CountPixels(print, 100, 100, RGB(255, 255, 0)), 50);
    ::DestroyWindow(main);

    const win::ImageList images = win::LoadImageList(::GetModuleHandleA(nullptr), IDB_DRIVES, 16, 1, RGB(255, 0, 255));
    ASSERT_EQ(::ImageList_GetImageCount(images.Get()), 7);
    for (int i = 0; i < 7; ++i) {
        const auto draw = [&images, i](HDC dc) { ::ImageList_Draw(images.Get(), i, dc, 0, 0, ILD_TRANSPARENT); };
        const int ground = CountPixels(draw, 16, 16, RGB(0, 0, 0x55));
        EXPECT_TRUE(CountPixels(draw, 16, 16, RGB(255, 0, 255)) == 0 && ground > 0 && ground < 16 * 16) << i;
    }
}
