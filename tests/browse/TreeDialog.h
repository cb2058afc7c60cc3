#pragma once
// The folder tree dialog run inside the test program on a thread of its own,
// read and driven from the test thread with the tree's own messages.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DialogDriver.h"
#include "browse/DirSelectDlg.h"
#include "res/resource.h"

extern const char kTreeCaption[];

using Texts = std::vector<std::string>;

class TreeDialog {
public:
    // Opens the dialog and waits for it; Handle() is null when it never came.
    explicit TreeDialog(const std::string& initPath = std::string(), int selectInit = 1,
                        const std::string& title = std::string());

    HWND Handle() const { return m_hwnd; }
    HWND Tree() const { return ::GetDlgItem(m_hwnd, IDC_DIR_TREE); }

    // The item reached from the drive roots by the path's parts, each
    // compared exactly with the item texts ("P:\" then "Area\Sub"); null
    // when some part is not shown.
    HTREEITEM Find(const std::string& path) const;
    HTREEITEM Root(const std::string& root) const { return Find(root); }
    Texts Children(HTREEITEM item) const;
    Texts Roots() const;
    std::string Text(HTREEITEM item) const;
    bool IsExpanded(HTREEITEM item) const;
    // An item shows an expand button while it has children (read folders or
    // the empty placeholder).
    bool HasButton(HTREEITEM item) const;
    HTREEITEM Selection() const;
    // The item's normal and selected picture.
    std::pair<int, int> Pictures(HTREEITEM item) const;
    std::string ShownPath() const;

    // A click on the item's expand button, as the user makes it.
    void ClickButton(HTREEITEM item) const;
    void Select(HTREEITEM item) const;

    // Ends the dialog with the button and answers DoModal's result.
    INT_PTR Close(int button);
    // What the dialog hands back after IDOK.
    const std::string& SelectedPath() const { return m_dialog->m_strSelPath; }

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    std::unique_ptr<CDirSelectDlg> m_dialog;
    ui::ModalThread m_thread;
    HWND m_hwnd;
};
