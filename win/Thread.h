#pragma once
// Starting a thread whose handle the caller owns, so that it stays valid for
// waiting however early the thread ends.
#include <windows.h>

#include <process.h>

#include "win/Handle.h"

namespace win {

using ThreadFunction = unsigned(__stdcall*)(void*);

// The thread runs at the given priority from its first instruction; an
// invalid handle when it could not be started.
inline Handle StartThread(ThreadFunction function, void* parameter, int priority)
{
    const auto raw = ::_beginthreadex(nullptr, 0, function, parameter, CREATE_SUSPENDED, nullptr);
    Handle thread(reinterpret_cast<HANDLE>(raw));
    if (thread) {
        ::SetThreadPriority(thread.Get(), priority);
        ::ResumeThread(thread.Get());
    }
    return thread;
}

} // namespace win
