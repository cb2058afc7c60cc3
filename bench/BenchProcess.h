#pragma once
// Clocks and helper processes of the benchmark.
#include <windows.h>

#include <string>

// Seconds since a moment taken with QueryPerformanceCounter.
double SecondsSince(const LARGE_INTEGER& start);
LARGE_INTEGER Now();

// Runs a command line to its end, looked at as often as a wait looks at the
// program's window (ui::kPollMs); answers its wall time in seconds (-1 when
// it could not start) and leaves what it printed in output. On this machine
// a processor that idles wakes late, and the walk waits on the Wine server at
// almost every step: the looks keep the processors awake, and a side looked
// at less often runs slower (every 50 ms instead of 5 ms: 12 % for the
// program). So every side is looked at alike.
double TimeProcess(std::string commandLine, std::string& output);
