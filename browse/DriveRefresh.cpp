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
    if (nDrive < 0 || nDrive >= kDrives)
        return;
    m_pending.Take(nDrive);
    const std::string root = DriveRoot(nDrive);
    const HTREEITEM item = FindSibling(m_treeDirs.GetRoot(), root);
    if (!item)
        return;
    if (!IsSameMedia(root)) {
        ResetDrive(item);
        return;
    }
    // The refresh looks names up relative to the current directory, which is
    // put back afterwards.
    char saved[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof saved, saved);
    if (!::SetCurrentDirectoryA(root.c_str()))
        return;
    RefreshItem(item);
    ::SetCurrentDirectoryA(saved);
}

void CDirSelectDlg::RefreshItem(HTREEITEM item)
{
    if (!IsOpen(item)) {
        if (IsTopLevel(item))
            return;
        UpdateChildMarker(item, GetItemPath(item));
        // Also clears an expanded state left on an item whose children have
        // all gone.
        m_treeDirs.Expand(item, TVE_COLLAPSE);
        return;
    }
    std::set<std::string> shown = PruneChildren(item);
    AddNewChildren(item, shown);
    for (HTREEITEM child = m_treeDirs.GetChild(item); child; child = m_treeDirs.GetNextSibling(child)) {
        if (::SetCurrentDirectoryA(m_treeDirs.GetItemText(child).c_str())) {
            RefreshItem(child);
            ::SetCurrentDirectoryA("..");
        }
    }
}

std::set<std::string> CDirSelectDlg::PruneChildren(HTREEITEM item)
{
    std::set<std::string> kept;
    for (HTREEITEM child = m_treeDirs.GetChild(item); child;) {
        const HTREEITEM next = m_treeDirs.GetNextSibling(child);
        const std::string name = m_treeDirs.GetItemText(child);
        if (IsFolderListedAs(name)) {
            kept.insert(name);
        } else {
            // The tree would move the selection to the next sibling, whose
            // check could delete it while this loop holds it.
            if (IsWithin(m_treeDirs.GetSelection(), child))
                m_treeDirs.Select(item);
            m_treeDirs.DeleteItem(child);
        }
        child = next;
    }
    return kept;
}

void CDirSelectDlg::AddNewChildren(HTREEITEM item, std::set<std::string>& shown)
{
    NameList names;
    ListFolderNames(".", names);
    const std::string path = GetItemPath(item);
    DropOverlongNames(path, names);
    for (const std::string& name : names) {
        if (shown.insert(name).second)
            MarkIfHasSubfolders(InsertFolderItem(item, name), JoinPath(path, name));
    }
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
