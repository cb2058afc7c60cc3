#pragma once
// Thin wrapper over the tree view control's messages (A family).
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "win/Window.h"

namespace win {

class TreeView : public Window {
public:
    using Window::Window;

    // children decides the expand button while the item has no child
    // items: 0 none, 1 shown, I_CHILDRENCALLBACK asked of the parent window
    // (TVN_GETDISPINFO) when the item is drawn or expanded.
    HTREEITEM InsertItem(HTREEITEM parent, HTREEITEM insertAfter, const std::string& text, int image,
                         int selectedImage, int children) const
    {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = insertAfter;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
        insert.item.pszText = const_cast<char*>(text.c_str());
        insert.item.iImage = image;
        insert.item.iSelectedImage = selectedImage;
        insert.item.cChildren = children;
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    void SetChildren(HTREEITEM item, int children) const
    {
        TVITEMA tvi{};
        tvi.mask = TVIF_CHILDREN;
        tvi.hItem = item;
        tvi.cChildren = children;
        Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    }
    bool DeleteItem(HTREEITEM item) const { return Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0; }
    bool Expand(HTREEITEM item, UINT action) const
    {
        return Send(TVM_EXPAND, action, reinterpret_cast<LPARAM>(item)) != 0;
    }
    bool Select(HTREEITEM item) const
    {
        return Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
    }

    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM GetRoot() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChild(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSibling(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetParent(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelection() const { return GetNextItem(nullptr, TVGN_CARET); }
    bool HasChildren(HTREEITEM item) const { return GetChild(item) != nullptr; }

    std::string GetItemText(HTREEITEM item) const
    {
        char text[MAX_PATH] = {};
        TVITEMA tvi{};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = item;
        tvi.pszText = text;
        tvi.cchTextMax = sizeof text;
        Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
        return text;
    }
    // Only an item in the expanded part of the tree has a place to redraw.
    void InvalidateItem(HTREEITEM item) const
    {
        RECT rect{};
        std::memcpy(&rect, &item, sizeof item);
        if (Send(TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&rect)))
            ::InvalidateRect(Handle(), &rect, TRUE);
    }
    bool IsExpanded(HTREEITEM item) const
    {
        return (Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    }
    void SetImageList(HIMAGELIST images) const
    {
        Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    }
};

} // namespace win
