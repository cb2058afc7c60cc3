// The generated pictures decode: the clip's last frame shows the yellow
// folder, so its palette is in the right byte order; the tree strip's mask
// colour is drawn transparent.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "res/resource.h"
#include "win/ImageList.h"

namespace {

// Pixels of the colour once the picture is drawn over a dark blue ground.
int CountPixels(const std::function<void(HDC)>& draw, int size, COLORREF colour)
{
    const HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info = {{sizeof info.bmiHeader, size, size, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    const HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    ::SelectObject(dc, bitmap);
    const RECT all = {0, 0, size, size};
    ::SetBkColor(dc, RGB(0, 0, 0x55));
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    draw(dc);
    int count = 0;
    for (int i = 0; i < size * size; ++i)
        count += ::GetPixel(dc, i % size, i / size) == colour;
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    return count;
}

} // namespace

TEST(Resources, GeneratedPicturesDecode)
{
    const HWND main = ::CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_PURGOX_DIALOG), nullptr, nullptr, 0);
    const HWND clip = ::GetDlgItem(main, IDC_ANIMATE);
    ASSERT_NE(::SendMessageA(clip, ACM_OPENA, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_DELETE_AVI))), 0);
    ::SendMessageA(clip, ACM_STOP, 0, 0);
    EXPECT_NE(::SendMessageA(clip, ACM_PLAY, 1, MAKELONG(28, 28)), 0);
    const auto print = [clip](HDC dc) { ::SendMessageA(clip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); };
    EXPECT_GT(CountPixels(print, 100, RGB(255, 255, 0)), 50);
    ::DestroyWindow(main);

    const win::ImageList images = win::LoadImageList(::GetModuleHandleA(nullptr), IDB_DRIVES, 16, 1, RGB(255, 0, 255));
    ASSERT_EQ(::ImageList_GetImageCount(images.Get()), 7);
    for (int i = 0; i < 7; ++i) {
        const auto draw = [&images, i](HDC dc) { ::ImageList_Draw(images.Get(), i, dc, 0, 0, ILD_TRANSPARENT); };
        const int ground = CountPixels(draw, 16, RGB(0, 0, 0x55));
        EXPECT_TRUE(CountPixels(draw, 16, RGB(255, 0, 255)) == 0 && ground > 0 && ground < 16 * 16) << i;
    }
}
