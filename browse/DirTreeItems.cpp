// The items of the folder tree: paths, lookups, expand buttons, and the
// folders read from disk under an item.
#include <algorithm>
#include <vector>

#include "browse/DirSelectDlg.h"
#include "browse/Folders.h"
#include "browse/TreeNames.h"
#include "browse/TreePictures.h"

std::string CDirSelectDlg::GetItemPath(HTREEITEM item) const
{
    std::vector<std::string> texts;
    for (; item; item = m_treeDirs.GetParent(item))
        texts.insert(texts.begin(), m_treeDirs.GetItemText(item));
    return ComposeItemPath(texts);
}

// Where letter case tells folders apart ("Sub" beside "sub"), the one named
// exactly is taken.
HTREEITEM CDirSelectDlg::FindSibling(HTREEITEM first, const std::string& name) const
{
    HTREEITEM sameName = nullptr;
    for (HTREEITEM item = first; item; item = m_treeDirs.GetNextSibling(item)) {
        const std::string text = m_treeDirs.GetItemText(item);
        if (text == name)
            return item;
        if (!sameName && IsSameName(text, name))
            sameName = item;
    }
    return sameName;
}

HTREEITEM CDirSelectDlg::FindItem(const std::string& path) const
{
    HTREEITEM item = FindSibling(m_treeDirs.GetRoot(), path.substr(0, 3));
    std::string rest = path.size() > 3 ? path.substr(3) : std::string();
    while (item && !rest.empty())
        item = FindSibling(m_treeDirs.GetChild(item), TakeFirstName(rest));
    return item;
}

bool CDirSelectDlg::IsTopLevel(HTREEITEM item) const
{
    return m_treeDirs.GetParent(item) == nullptr;
}

bool CDirSelectDlg::IsOpen(HTREEITEM item) const
{
    return m_treeDirs.IsExpanded(item) && m_treeDirs.HasChildren(item);
}

HTREEITEM CDirSelectDlg::GetTopLevelItem(HTREEITEM item) const
{
    for (HTREEITEM parent = m_treeDirs.GetParent(item); parent; parent = m_treeDirs.GetParent(item))
        item = parent;
    return item;
}

// The item itself counts as within.
bool CDirSelectDlg::IsWithin(HTREEITEM item, HTREEITEM ancestor) const
{
    for (; item; item = m_treeDirs.GetParent(item)) {
        if (item == ancestor)
            return true;
    }
    return false;
}

HTREEITEM CDirSelectDlg::InsertFolderItem(HTREEITEM parent, const std::string& name) const
{
    return m_treeDirs.InsertItem(parent, TVI_SORT, name, kPictureFolder, kPictureOpenFolder, I_CHILDRENCALLBACK);
}

int CDirSelectDlg::DeleteChildren(HTREEITEM item) const
{
    int deleted = 0;
    for (HTREEITEM child = m_treeDirs.GetChild(item); child; ++deleted) {
        const HTREEITEM next = m_treeDirs.GetNextSibling(child);
        m_treeDirs.DeleteItem(child);
        child = next;
    }
    return deleted;
}

void CDirSelectDlg::SetChildMarker(HTREEITEM item, bool shown)
{
    if (IsTopLevel(item)) {
        m_treeDirs.SetChildren(item, shown);
        return;
    }
    m_buttons[item] = shown;
    m_treeDirs.InvalidateItem(item);
}

void CDirSelectDlg::ForgetChildMarker(HTREEITEM item)
{
    m_buttons.erase(item);
    m_treeDirs.InvalidateItem(item);
}

void CDirSelectDlg::UpdateChildMarker(HTREEITEM item, const std::string& path)
{
    const bool hasSubfolders = HasSubfolders(path);
    if (!hasSubfolders)
        DeleteChildren(item);
    SetChildMarker(item, hasSubfolders);
}

void CDirSelectDlg::ResetDrive(HTREEITEM root)
{
    m_treeDirs.Expand(root, TVE_COLLAPSE);
    DeleteChildren(root);
    SetChildMarker(root, true);
}

int CDirSelectDlg::FillChildren(HTREEITEM item, const std::string& path)
{
    NameList names;
    if (!ListFolderNames(path, names)) {
        // A drive keeps its button, so that it can be tried again.
        SetChildMarker(item, IsTopLevel(item));
        return 0;
    }
    DropOverlongNames(path, names);
    if (names.empty())
        SetChildMarker(item, false);
    // The tree finds a sorted item's place by walking its siblings from the
    // first; offered in falling order, each one goes first at once, so a
    // folder of thousands fills in n log n rather than n squared.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return ::lstrcmpA(a.c_str(), b.c_str()) > 0; });
    for (const std::string& name : names)
        InsertFolderItem(item, name);
    return static_cast<int>(names.size());
}
