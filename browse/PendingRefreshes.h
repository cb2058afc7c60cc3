#pragma once
// At most one refresh per drive waits in the dialog's queue. A refresh
// reads the disk as it is, so a second one queued behind it would add
// nothing but delay everything else in the queue, the user's clicks too.
#include <atomic>

class PendingRefreshes {
public:
    static constexpr int kDrives = 26;

    // Called by a drive's watcher for each change: posts a refresh through
    // post, which answers whether the message went, unless one is waiting.
    // A post that failed (a full queue) leaves none waiting, so the next
    // change posts again rather than none ever.
    template <typename Post>
    void Request(int nDrive, Post post)
    {
        if (!m_pending[nDrive].exchange(true) && !post())
            m_pending[nDrive] = false;
    }
    // Called by the dialog when the refresh's message arrives: the drive
    // stops waiting before the refresh reads the disk, so a change made
    // while it reads posts again.
    template <typename Refresh>
    void Serve(int nDrive, Refresh refresh)
    {
        m_pending[nDrive] = false;
        refresh();
    }

private:
    std::atomic<bool> m_pending[kDrives] = {};
};
