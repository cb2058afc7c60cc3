#pragma once
// The folder tree dialog run inside the test program on a thread of its own,
// read and driven from the test thread with the tree's own messages.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "browse/DirSelectDlg.h"
#include "res/resource.h"
#include "win/TreeView.h"

using Texts = std::vector<std::string>;

class TreeDialog {
public:
    // Opens the dialog and waits for it; Handle() is null when it never came.
    explicit TreeDialog(const std::string& initPath = std::string(), int selectInit = 1,
                        const std::string& title = std::string());

    HWND Handle() const { return m_hwnd; }
    // The item reached from the drive roots by the path's parts, each
    // compared exactly with the item texts; null when some part is not shown.
    HTREEITEM Find(const std::string& path) const;
    // The texts of the item's children; of the drive roots for no item.
    Texts Children(HTREEITEM item) const;
    bool IsExpanded(HTREEITEM item) const { return win::TreeView(m_tree).IsExpanded(item); }
    // An item shows an expand button while it has children (read folders or
    // the empty placeholder).
    bool HasButton(HTREEITEM item) const { return TreeView_GetChild(m_tree, item) != nullptr; }
    HTREEITEM Selection() const { return TreeView_GetSelection(m_tree); }
    // The item's normal picture times 10 plus its selected one.
    int Pictures(HTREEITEM item) const;
    std::string ShownPath() const { return ui::GetItemText(m_hwnd, IDC_DIR_PATH); }

    // A click on the item's expand button, as the user makes it.
    // The middle of the item's expand button, in the tree's coordinates.
    POINT ButtonPoint(HTREEITEM item) const;
    void ClickButton(HTREEITEM item) const;
    void Select(HTREEITEM item) const { TreeView_SelectItem(m_tree, item); }
    // Ends the dialog with the button and answers DoModal's result.
    INT_PTR Close(int button);
    // What the dialog hands back after IDOK.
    const std::string& SelectedPath() const { return m_dialog->m_strSelPath; }

private:
    std::unique_ptr<CDirSelectDlg> m_dialog;
    ui::ModalThread m_thread;
    HWND m_hwnd;
    HWND m_tree;
};
