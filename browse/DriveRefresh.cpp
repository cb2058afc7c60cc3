// Following the watched drives: starting and stopping the watchers, and
// bringing the expanded part of a drive's tree up to date with the disk.
#include <memory>
#include <set>

#include "browse/DirSelectDlg.h"
#include "browse/DriveWatcher.h"
#include "browse/Folders.h"
#include "browse/TreeNames.h"
#include "win/Thread.h"

void CDirSelectDlg::StartWatcher(const std::string& root)
{
    const int nDrive = DriveIndex(root);
    if (m_nWatchThreads >= kDrives || nDrive < 0)
        return;
    auto param = std::make_unique<WatchParam>(WatchParam{nDrive, m_evStop.Get(), Handle(), &m_pending});
    win::Handle thread = win::StartThread(WatchDriveThread, param.get(), THREAD_PRIORITY_IDLE);
    if (!thread)
        return;
    param.release();
    m_hWatchThreads[m_nWatchThreads++] = std::move(thread);
}

LRESULT CDirSelectDlg::OnDirSelmCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    const int nDrive = static_cast<int>(wParam);
    // Posted messages come before the user's input, so while folders keep
    // changing a refresh could always be waiting. A click or key that waits
    // goes first: the refresh moves to a timer, which comes after input, and
    // keeps its drive marked as pending, so no other refresh is posted.
    if (nDrive >= 0 && nDrive < kDrives && HIWORD(::GetQueueStatus(QS_INPUT)) != 0)
        ::SetTimer(Handle(), kRefreshTimer + nDrive, 0, nullptr);
    else
        OnDriveChanged(nDrive);
    return 0;
}

void CDirSelectDlg::OnRefreshTimer(UINT_PTR id)
{
    ::KillTimer(Handle(), id);
    OnDriveChanged(static_cast<int>(id - kRefreshTimer));
}

void CDirSelectDlg::OnDriveChanged(int nDrive)
{
    if (nDrive >= 0 && nDrive < kDrives)
        m_pending.Serve(nDrive, [this, nDrive] { RefreshDrive(nDrive); });
}

void CDirSelectDlg::RefreshDrive(int nDrive)
{
    const std::string root = DriveRoot(nDrive);
    const HTREEITEM item = FindSibling(m_treeDirs.GetRoot(), root);
    if (!item)
        return;
    if (!IsSameMedia(root)) {
        ResetDrive(item);
        return;
    }
    // Only the folders of open items are read. The buttons of the others
    // are looked up again as the tree draws them: those out of view cost
    // nothing.
    m_buttons.clear();
    RefreshItem(item, root);
    m_treeDirs.Invalidate();
}

void CDirSelectDlg::RefreshItem(HTREEITEM item, const std::string& path)
{
    if (!IsOpen(item)) {
        // Clears an expanded state left on an item whose children have all
        // gone; on a collapsed item the tree would ask for its button.
        if (!IsTopLevel(item) && m_treeDirs.IsExpanded(item))
            m_treeDirs.Expand(item, TVE_COLLAPSE);
        return;
    }
    if (!SyncChildren(item, path))
        return;
    for (HTREEITEM child = m_treeDirs.GetChild(item); child; child = m_treeDirs.GetNextSibling(child))
        RefreshItem(child, JoinPath(path, m_treeDirs.GetItemText(child)));
}

bool CDirSelectDlg::SyncChildren(HTREEITEM item, const std::string& path)
{
    NameList names;
    if (!ListFolderNames(path, names))
        return false;
    DropOverlongNames(path, names);
    std::set<std::string> unshown(names.begin(), names.end());
    for (HTREEITEM child = m_treeDirs.GetChild(item); child;) {
        const HTREEITEM next = m_treeDirs.GetNextSibling(child);
        if (unshown.erase(m_treeDirs.GetItemText(child)) == 0) {
            // The tree would move the selection to the next sibling, whose
            // check could delete it while this loop holds it.
            if (IsWithin(m_treeDirs.GetSelection(), child))
                m_treeDirs.Select(item);
            m_treeDirs.DeleteItem(child);
        }
        child = next;
    }
    for (const std::string& name : unshown)
        InsertFolderItem(item, name);
    return true;
}

void CDirSelectDlg::OnDestroy()
{
    if (m_nWatchThreads == 0)
        return;
    m_evStop.Set();
    HANDLE threads[kDrives];
    for (int i = 0; i < m_nWatchThreads; ++i)
        threads[i] = m_hWatchThreads[i].Get();
    ::WaitForMultipleObjects(static_cast<DWORD>(m_nWatchThreads), threads, TRUE, INFINITE);
    for (int i = 0; i < m_nWatchThreads; ++i)
        m_hWatchThreads[i].Reset();
    m_nWatchThreads = 0;
}
