#pragma once
// The folder tree: the machine's drives and their folders, read from disk
// only when an item is expanded, with removable media checked before use and
// the fixed, network and RAM drives followed by watcher threads while the
// dialog is open. After IDOK, m_strSelPath holds the chosen folder with a
// trailing backslash, or is empty when nothing was ever selected.
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "browse/MediaSerials.h"
#include "browse/PendingRefreshes.h"
#include "win/Dialog.h"
#include "win/Event.h"
#include "win/Handle.h"
#include "win/ImageList.h"
#include "win/TreeView.h"

class CDirSelectDlg : public win::Dialog {
public:
    // Only nSelectInit == 1 opens the tree at strInitPath; an empty title
    // keeps the template's.
    CDirSelectDlg(const std::string& strTitle, const std::string& strInitPath, int nSelectInit, HWND parent);

    std::string m_strSelPath;

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    static constexpr int kDrives = 26;
    // Timer ids of refreshes put off behind input, one per drive.
    static constexpr UINT_PTR kRefreshTimer = 100;

    // Dialog and notifications (DirSelectDlg.cpp)
    void InsertDrives();
    void InsertDrive(const std::string& root);
    LRESULT OnItemexpandingDirTree(const NMTREEVIEWA& notify);
    void OnCollapsed();
    void CheckCollapsedItem(HTREEITEM item, const std::string& path);
    void OnSelchangedDirTree(const NMTREEVIEWA& notify);
    int SelectPath(const std::string& path, bool select);
    void SetSelectedPath(const std::string& path);

    // Items of the tree (DirTreeItems.cpp)
    std::string GetItemPath(HTREEITEM item) const;
    HTREEITEM FindSibling(HTREEITEM first, const std::string& name) const;
    // The shown item of a path made by GetItemPath, or none; nothing is
    // expanded on the way.
    HTREEITEM FindItem(const std::string& path) const;
    bool IsTopLevel(HTREEITEM item) const;
    // Expanded with its folders read (an expanded state can outlive them).
    bool IsOpen(HTREEITEM item) const;
    HTREEITEM GetTopLevelItem(HTREEITEM item) const;
    bool IsWithin(HTREEITEM item, HTREEITEM ancestor) const;
    void InsertDummyChild(HTREEITEM item) const;
    HTREEITEM InsertFolderItem(HTREEITEM parent, const std::string& name) const;
    int DeleteChildren(HTREEITEM item) const;
    void MarkIfHasSubfolders(HTREEITEM item, const std::string& path) const;
    void UpdateChildMarker(HTREEITEM item, const std::string& path) const;
    void ResetDrive(HTREEITEM root) const;
    int FillChildren(HTREEITEM item, const std::string& path) const;

    // Removable media (MediaCheck.cpp)
    bool IsSameMedia(const std::string& path);

    // Drive watchers and the refresh (DriveRefresh.cpp)
    void StartWatcher(const std::string& root);
    LRESULT OnDirSelmCommand(WPARAM wParam, LPARAM lParam);
    void OnRefreshTimer(UINT_PTR id);
    void OnDriveChanged(int nDrive);
    void RefreshItem(HTREEITEM item);
    // Both work in the item's folder, the current directory; names compare
    // exactly, letter case included.
    std::set<std::string> PruneChildren(HTREEITEM item);
    void AddNewChildren(HTREEITEM item, std::set<std::string>& shown);
    void OnDestroy();

    std::string m_strInitPath;
    int m_nSelectInit;
    std::string m_strTitle;
    win::Event m_evStop{true};
    win::ImageList m_imlDrives;
    MediaSerials m_media;
    win::Handle m_hWatchThreads[kDrives];
    int m_nWatchThreads = 0;
    PendingRefreshes m_pending;

    // Paths of items collapsed since the last look at them (OnCollapsed).
    std::vector<std::string> m_arrCollapsed;

    win::TreeView m_treeDirs;
    win::Window m_staticPath;
};
