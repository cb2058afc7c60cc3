#pragma once
// An owned image list of the common controls.
#include <windows.h>
#include <commctrl.h>

#include "win/Handle.h"

namespace win {

struct ImageListTraits {
    using Type = HIMAGELIST;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::ImageList_Destroy(h); }
};

using ImageList = UniqueHandle<ImageListTraits>;

// Pictures of equal width cut from a bitmap resource; the mask colour is
// drawn transparent.
inline ImageList LoadImageList(HINSTANCE module, int bitmapId, int width, int grow, COLORREF mask)
{
    return ImageList(::ImageList_LoadImageA(module, MAKEINTRESOURCEA(bitmapId), width, grow, mask, IMAGE_BITMAP, 0));
}

} // namespace win
