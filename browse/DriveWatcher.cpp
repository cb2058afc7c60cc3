#include "browse/DriveWatcher.h"

#include "browse/TreeNames.h"
#include "win/Handle.h"

const UINT WM_DIRSELM_COMMAND = ::RegisterWindowMessageA("MIRANE_SYS_DIRSELM_COMMAND");

// The stop event comes first in the wait list because the wait reports the
// lowest signalled index: a stop ends the loop even while changes keep
// arriving.
void WatchChanges(HANDLE stop, HANDLE change, const std::function<void()>& onChange)
{
    const HANDLE waits[] = {stop, change};
    while (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        onChange();
        ::FindNextChangeNotification(change);
    }
}

// The watcher shares with the dialog only what WatchParam carries: it never
// touches the tree, it posts, and only when no refresh of its drive waits.
// It sleeps in one infinite wait on the stop event and the drive's change
// notification. A drive that offers no change notification ends its watcher
// at once and is simply not followed.
unsigned __stdcall WatchDriveThread(void* param)
{
    const WatchParam work = *static_cast<WatchParam*>(param);
    delete static_cast<WatchParam*>(param);

    const win::ChangeNotification change(
        ::FindFirstChangeNotificationA(DriveRoot(work.nDrive).c_str(), TRUE, FILE_NOTIFY_CHANGE_DIR_NAME));
    if (!change)
        return 0;
    WatchChanges(work.hStop, change.Get(), [&work] {
        work.pending->Request(work.nDrive, [&work] {
            return ::PostMessageA(work.hWnd, WM_DIRSELM_COMMAND, static_cast<WPARAM>(work.nDrive), 0) != FALSE;
        });
    });
    return 0;
}
