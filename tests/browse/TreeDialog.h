#pragma once
// The folder tree dialog on a thread of its own, driven through its tree.
#include <windows.h>

#include <atomic>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "browse/DirSelectDlg.h"
#include "browse/TreeNames.h"
#include "res/resource.h"
#include "win/TreeView.h"

using Texts = std::vector<std::string>;

// Items gone when the expanding or selection notification about them returns
// (the tree goes on using them; native controls do not forgive it), as a
// WH_CALLWNDPROCRET hook sees.
inline std::atomic<int> g_itemsLostInNotification{0};

inline LRESULT CALLBACK CheckNotification(int code, WPARAM wParam, LPARAM lParam)
{
    const auto& call = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    auto* notify = reinterpret_cast<NMTREEVIEWA*>(call.lParam);
    if (call.message == WM_NOTIFY && (notify->hdr.code == TVN_ITEMEXPANDINGA || notify->hdr.code == TVN_SELCHANGEDA)) {
        TVITEMA item{TVIF_HANDLE, notify->itemNew.hItem, 0, 0, nullptr, 0, 0, 0, 0, 0};
        g_itemsLostInNotification += item.hItem && !TreeView_GetItem(notify->hdr.hwndFrom, &item);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class TreeDialog : public win::TreeView {
public:
    explicit TreeDialog(const std::string& initPath, const std::string& title = "")
        : m_dialog(title, initPath, 1, nullptr), m_thread([this] { return m_dialog.DoModal(); })
    {
        Attach(::GetDlgItem(m_thread.WaitForDialog(title.empty() ? "ﾌｫﾙﾀﾞの参照" : title), IDC_DIR_TREE));
    }

    // Each part of the path is the exact text of an item; null when not shown.
    HTREEITEM Find(const std::string& path) const
    {
        HTREEITEM item = GetRoot();
        for (std::string part = path.substr(0, 3), rest = path.substr(3);; part = TakeFirstName(rest)) {
            while (item && GetItemText(item) != part)
                item = GetNextSibling(item);
            if (!item || rest.empty())
                return item;
            item = GetChild(item);
        }
    }
    Texts Children(HTREEITEM item) const
    {
        Texts texts;
        for (HTREEITEM child = GetChild(item); child; child = GetNextSibling(child))
            texts.push_back(GetItemText(child));
        return texts;
    }
    // The normal picture times 10 plus the selected one.
    int Pictures(HTREEITEM item) const
    {
        TVITEMA tvi{TVIF_IMAGE | TVIF_SELECTEDIMAGE, item, 0, 0, nullptr, 0, 0, 0, 0, 0};
        Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
        return tvi.iImage * 10 + tvi.iSelectedImage;
    }
    // As the tree shows it; asks the dialog when the tree has not yet.
    bool HasButton(HTREEITEM item) const
    {
        TVITEMA tvi{TVIF_CHILDREN, item, 0, 0, nullptr, 0, 0, 0, 0, 0};
        return TreeView_GetItem(Handle(), &tvi) && tvi.cChildren != 0;
    }
    HWND Dialog() const { return ::GetParent(Handle()); }
    DWORD ThreadId() const { return ::GetWindowThreadProcessId(Handle(), nullptr); }
    std::string ShownPath() const { return ui::GetItemText(Dialog(), IDC_DIR_PATH); }
    // A click on the expand button, as the user makes it, once what the dialog put off (it may move the
    // items) is done: a click beside the button would start the tree's drag loop, which waits forever.
    void ClickButton(HTREEITEM item) const
    {
        ui::Flush(Dialog());
        Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        RECT rect{};
        TreeView_GetItemRect(Handle(), item, &rect, TRUE);
        TVHITTESTINFO hit{{0, (rect.top + rect.bottom) / 2}, 0, nullptr};
        while (hit.pt.x < rect.left && !(TreeView_HitTest(Handle(), &hit) == item && hit.flags & TVHT_ONITEMBUTTON))
            ++hit.pt.x;
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
    }
    INT_PTR Close(int button)
    {
        ui::Command(Dialog(), button);
        return m_thread.Join() ? m_thread.Result() : -1;
    }
    const std::string& SelectedPath() const { return m_dialog.m_strSelPath; }

private:
    CDirSelectDlg m_dialog;
    ui::ModalThread m_thread;
};
