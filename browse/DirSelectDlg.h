#pragma once
// The folder tree: the machine's drives and their folders, read from disk
// only when an item is expanded (and whether a folder has subfolders, for its
// expand button, only when its item is drawn), with removable media checked
// before use and the fixed, network and RAM drives followed by watcher
// threads while the dialog is open. After IDOK, m_strSelPath holds the
// chosen folder with a trailing backslash, or is empty when nothing was ever
// selected.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <unordered_map>
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
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    static constexpr int kDrives = 26;
    // Timer ids of refreshes put off behind input, one per drive.
    static constexpr UINT_PTR kRefreshTimer = 100;

    // What waits until the tree has finished with an item it notified about.
    enum class Later {
        CheckCollapsed, // an item was collapsed
        ResetDrive,     // the drive's medium was found missing or swapped
        Delete,         // the item's folder was found gone
    };
    struct LaterWork {
        Later what;
        std::string path; // of the item; of the drive root for ResetDrive
    };

    // Dialog and notifications (DirSelectDlg.cpp)
    void InsertDrives();
    void InsertDrive(const std::string& root);
    LRESULT OnItemexpandingDirTree(const NMTREEVIEWA& notify);
    void OnGetdispinfoDirTree(NMTVDISPINFOA& info);
    void DoLater(Later what, const std::string& path);
    void OnLater();
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
    // A folder's item is inserted without a look into its folder: the tree
    // asks for its expand button each time it draws the item.
    HTREEITEM InsertFolderItem(HTREEITEM parent, const std::string& name) const;
    int DeleteChildren(HTREEITEM item) const;
    void SetChildMarker(HTREEITEM item, bool shown);
    // The folder item's button is looked up again when next drawn.
    void ForgetChildMarker(HTREEITEM item);
    // The expand button follows the disk now; children go with the last
    // subfolder.
    void UpdateChildMarker(HTREEITEM item, const std::string& path);
    void ResetDrive(HTREEITEM root);
    int FillChildren(HTREEITEM item, const std::string& path);

    // Removable media (MediaCheck.cpp)
    bool IsSameMedia(const std::string& path);

    // Drive watchers and the refresh (DriveRefresh.cpp)
    void StartWatcher(const std::string& root);
    LRESULT OnDirSelmCommand(WPARAM wParam, LPARAM lParam);
    void OnRefreshTimer(UINT_PTR id);
    void OnDriveChanged(int nDrive);
    void RefreshDrive(int nDrive);
    void RefreshItem(HTREEITEM item, const std::string& path);
    // Names compare exactly, letter case included; false when the folder
    // cannot be listed, and then nothing changes.
    bool SyncChildren(HTREEITEM item, const std::string& path);
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

    std::vector<LaterWork> m_arrLater;
    // The expand buttons of folder items as looked up, kept until the next
    // refresh; drive roots keep theirs in the tree.
    std::unordered_map<HTREEITEM, bool> m_buttons;

    win::TreeView m_treeDirs;
    win::Window m_staticPath;
};
