#include "TreeDialog.h"

#include "win/TreeView.h"

#include <mbstring.h>

#include <cstring>

const char kTreeCaption[] = "ﾌｫﾙﾀﾞの参照";

namespace {

INT_PTR RunDialog(CDirSelectDlg& dialog)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    return dialog.DoModal();
}

} // namespace

TreeDialog::TreeDialog(const std::string& initPath, int selectInit, const std::string& title)
    : m_dialog(std::make_unique<CDirSelectDlg>(title, initPath, selectInit, nullptr)),
      m_thread([this] { return RunDialog(*m_dialog); }),
      m_hwnd(m_thread.WaitForDialog(title.empty() ? kTreeCaption : title))
{
}

LRESULT TreeDialog::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(Tree(), message, wParam, lParam);
}

HTREEITEM TreeDialog::Find(const std::string& path) const
{
    auto findAmong = [this](HTREEITEM item, const std::string& text) {
        for (; item && Text(item) != text; item = TreeView_GetNextSibling(Tree(), item)) {
        }
        return item;
    };
    HTREEITEM item = findAmong(TreeView_GetRoot(Tree()), path.substr(0, 3));
    const auto* rest = reinterpret_cast<const unsigned char*>(path.c_str()) + 3;
    while (item && *rest) {
        const unsigned char* end = _mbschr(rest, '\\');
        const auto* text = reinterpret_cast<const char*>(rest);
        const std::string part(text, end ? static_cast<size_t>(end - rest) : std::strlen(text));
        item = findAmong(TreeView_GetChild(Tree(), item), part);
        rest += part.size() + (end ? 1 : 0);
    }
    return item;
}

Texts TreeDialog::Children(HTREEITEM item) const
{
    Texts texts;
    for (HTREEITEM child = TreeView_GetChild(Tree(), item); child; child = TreeView_GetNextSibling(Tree(), child))
        texts.push_back(Text(child));
    return texts;
}

Texts TreeDialog::Roots() const
{
    Texts texts;
    for (HTREEITEM root = TreeView_GetRoot(Tree()); root; root = TreeView_GetNextSibling(Tree(), root))
        texts.push_back(Text(root));
    return texts;
}

std::string TreeDialog::Text(HTREEITEM item) const
{
    return win::TreeView(Tree()).GetItemText(item);
}

bool TreeDialog::IsExpanded(HTREEITEM item) const
{
    return win::TreeView(Tree()).IsExpanded(item);
}

bool TreeDialog::HasButton(HTREEITEM item) const
{
    return win::TreeView(Tree()).HasChildren(item);
}

HTREEITEM TreeDialog::Selection() const
{
    return TreeView_GetSelection(Tree());
}

std::pair<int, int> TreeDialog::Pictures(HTREEITEM item) const
{
    TVITEMA tvi{};
    tvi.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tvi.hItem = item;
    Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    return {tvi.iImage, tvi.iSelectedImage};
}

std::string TreeDialog::ShownPath() const
{
    return ui::GetItemText(m_hwnd, IDC_DIR_PATH);
}

void TreeDialog::ClickButton(HTREEITEM item) const
{
    TreeView_EnsureVisible(Tree(), item);
    RECT rect{};
    TreeView_GetItemRect(Tree(), item, &rect, TRUE);
    TVHITTESTINFO hit{};
    hit.pt.y = (rect.top + rect.bottom) / 2;
    for (hit.pt.x = 0; hit.pt.x < rect.left; ++hit.pt.x) {
        TreeView_HitTest(Tree(), &hit);
        if (hit.hItem == item && (hit.flags & TVHT_ONITEMBUTTON))
            break;
    }
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
}

void TreeDialog::Select(HTREEITEM item) const
{
    TreeView_SelectItem(Tree(), item);
}

INT_PTR TreeDialog::Close(int button)
{
    ui::Command(m_hwnd, button);
    return m_thread.Join() ? m_thread.Result() : -1;
}
