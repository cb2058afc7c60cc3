#pragma once
// What a process holds, to find leaks: its kernel handles and its threads.

// The number of handles this process holds, or -1 when it cannot be read.
int CountOwnHandles();
int CountOwnThreads();
