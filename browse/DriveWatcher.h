#pragma once
// A drive watcher: a thread that sleeps until a folder is created, deleted or
// renamed anywhere on one drive and then tells the folder tree dialog, which
// does the work on its own thread.
#include <windows.h>

#include <functional>

#include "browse/PendingRefreshes.h"

// Posted by a watcher to its dialog; wParam is the drive index (0 for A),
// lParam 0. Registered once while the program starts.
extern const UINT WM_DIRSELM_COMMAND;

// A watcher's work, made on the heap by the dialog; from the thread's start
// it belongs to the thread. The dialog outlives its watchers.
struct WatchParam {
    int nDrive;
    HANDLE hStop;
    HWND hWnd;
    PendingRefreshes* pending;
};

// Waits until the stop event is signalled; each change signalled meanwhile
// calls onChange, and the change notification is re-armed.
void WatchChanges(HANDLE stop, HANDLE change, const std::function<void()>& onChange);

// The thread function; its parameter is a WatchParam.
unsigned __stdcall WatchDriveThread(void* param);
