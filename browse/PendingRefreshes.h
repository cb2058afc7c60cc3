#pragma once
// At most one refresh per drive waits in the dialog's queue. A refresh
// reads the disk as it is, so a second one queued behind it would add
// nothing but delay everything else in the queue, the user's clicks too.
#include <atomic>

class PendingRefreshes {
public:
    static constexpr int kDrives = 26;

    // Called by a drive's watcher for each change: true when no refresh of
    // the drive is waiting yet, so the caller posts one.
    bool Mark(int nDrive) { return !m_pending[nDrive].exchange(true); }
    // Called by the dialog when the refresh's message arrives, before it
    // reads the disk: a change from then on posts again.
    void Take(int nDrive) { m_pending[nDrive] = false; }

private:
    std::atomic<bool> m_pending[kDrives] = {};
};
