#pragma once
// What a process holds, to find leaks: its kernel handles and its threads.

int CountOwnHandles();
int CountOwnThreads();
