#include "TreeDialog.h"

#include "browse/TreeNames.h"

TreeDialog::TreeDialog(const std::string& initPath, int selectInit, const std::string& title)
    : m_dialog(std::make_unique<CDirSelectDlg>(title, initPath, selectInit, nullptr)),
      m_thread([this] {
          INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES};
          ::InitCommonControlsEx(&controls);
          return m_dialog->DoModal();
      }),
      m_hwnd(m_thread.WaitForDialog(title.empty() ? "ﾌｫﾙﾀﾞの参照" : title)), m_tree(::GetDlgItem(m_hwnd, IDC_DIR_TREE))
{
}

HTREEITEM TreeDialog::Find(const std::string& path) const
{
    const win::TreeView tree(m_tree);
    HTREEITEM item = tree.GetRoot();
    for (std::string part = path.substr(0, 3), rest = path.substr(3);; part = TakeFirstName(rest)) {
        while (item && tree.GetItemText(item) != part)
            item = tree.GetNextSibling(item);
        if (!item || rest.empty())
            return item;
        item = tree.GetChild(item);
    }
}

Texts TreeDialog::Children(HTREEITEM item) const
{
    const win::TreeView tree(m_tree);
    Texts texts;
    for (HTREEITEM child = tree.GetChild(item); child; child = tree.GetNextSibling(child))
        texts.push_back(tree.GetItemText(child));
    return texts;
}

int TreeDialog::Pictures(HTREEITEM item) const
{
    TVITEMA tvi{};
    tvi.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tvi.hItem = item;
    TreeView_GetItem(m_tree, &tvi);
    return tvi.iImage * 10 + tvi.iSelectedImage;
}

POINT TreeDialog::ButtonPoint(HTREEITEM item) const
{
    TreeView_EnsureVisible(m_tree, item);
    RECT rect{};
    TreeView_GetItemRect(m_tree, item, &rect, TRUE);
    TVHITTESTINFO hit{};
    hit.pt.y = (rect.top + rect.bottom) / 2;
    for (hit.pt.x = 0; hit.pt.x < rect.left; ++hit.pt.x) {
        TreeView_HitTest(m_tree, &hit);
        if (hit.hItem == item && (hit.flags & TVHT_ONITEMBUTTON))
            break;
    }
    return hit.pt;
}

void TreeDialog::ClickButton(HTREEITEM item) const
{
    const POINT point = ButtonPoint(item);
    ::SendMessageA(m_tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ::SendMessageA(m_tree, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

INT_PTR TreeDialog::Close(int button)
{
    ui::Command(m_hwnd, button);
    return m_thread.Join() ? m_thread.Result() : -1;
}
