#include "ProcessCounts.h"

#include <windows.h>
#include <tlhelp32.h>

#include "win/Handle.h"

int CountOwnHandles()
{
    // Handle values are multiples of 4; the first few thousand cover a test.
    int own = 0;
    DWORD flags = 0;
    for (ULONG_PTR value = 4; value < 0x4000; value += 4)
        own += ::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != 0;
    return own;
}

int CountOwnThreads()
{
    const win::Handle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int own = 0;
    for (BOOL more = ::Thread32First(snapshot.Get(), &entry); more; more = ::Thread32Next(snapshot.Get(), &entry))
        own += entry.th32OwnerProcessID == ::GetCurrentProcessId();
    return own;
}
