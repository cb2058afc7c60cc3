// The generated pictures, loaded the way the program loads them: the clip
// into an animation control, the tree strip into an image list. (Every
// template is created by the dialogs' own tests.)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "res/resource.h"

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

// A modeless instance of a template, destroyed at scope end.
class Dialog {
public:
    explicit Dialog(int id)
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_ANIMATE_CLASS | ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        m_hwnd = CreateDialogParamA(Module(), MAKEINTRESOURCEA(id), nullptr, PlainDialogProc, 0);
    }
    ~Dialog() { if (m_hwnd) DestroyWindow(m_hwnd); }
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    HWND Hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }

private:
    HWND m_hwnd;
};

// A 32-bit memory canvas for looking at drawn pixels.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
    {
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        m_old = SelectObject(m_dc, m_bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all = {0, 0, width, height};
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC Dc() const { return m_dc; }
    int Count(COLORREF colour) const
    {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                n += GetPixel(m_dc, x, y) == colour;
        return n;
    }

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

} // namespace

TEST(Resources, DeleteClipOpensWith29Frames)
{
    Dialog main(IDD_PURGOX_DIALOG);
    HWND animate = main.Item(IDC_ANIMATE);
    ASSERT_NE(animate, nullptr);
    ASSERT_NE(SendMessageA(animate, ACM_OPENA, 0, (LPARAM)MAKEINTRESOURCEA(IDR_DELETE_AVI)), 0);
    SendMessageA(animate, ACM_STOP, 0, 0);
    // Showing a single frame only succeeds for frames the clip has.
    EXPECT_NE(SendMessageA(animate, ACM_PLAY, 1, MAKELONG(28, 28)), 0);
    EXPECT_EQ(SendMessageA(animate, ACM_PLAY, 1, MAKELONG(29, 29)), 0);

    // The decoded frame shows the yellow folder: the frames decode and the
    // palette is in the right byte order.
    EXPECT_NE(SendMessageA(animate, ACM_PLAY, 1, MAKELONG(0, 0)), 0);
    RECT r;
    GetClientRect(animate, &r);
    Canvas canvas(r.right, r.bottom, RGB(0, 0, 0x55));
    SendMessageA(animate, WM_PRINTCLIENT, (WPARAM)canvas.Dc(), PRF_CLIENT);
    EXPECT_GT(canvas.Count(RGB(255, 255, 0)), 50);

    SendMessageA(animate, ACM_OPENA, 0, 0);
}

TEST(Resources, TreeStripGivesSevenTransparentPictures)
{
    HIMAGELIST images = ImageList_LoadImageA(Module(), MAKEINTRESOURCEA(IDB_DRIVES), 16, 1,
                                             RGB(255, 0, 255), IMAGE_BITMAP, 0);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 7);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);

    const COLORREF behind = RGB(0, 0, 0x55);
    for (int i = 0; i < ImageList_GetImageCount(images); ++i) {
        Canvas canvas(16, 16, behind);
        ImageList_Draw(images, i, canvas.Dc(), 0, 0, ILD_TRANSPARENT);
        EXPECT_EQ(canvas.Count(RGB(255, 0, 255)), 0) << "picture " << i;
        EXPECT_GT(canvas.Count(behind), 0) << "picture " << i;
        EXPECT_LT(canvas.Count(behind), 16 * 16) << "picture " << i;
    }
    ImageList_Destroy(images);
}
