#pragma once
// Clocks and helper processes of the benchmark.
#include <windows.h>

#include <string>

// Seconds since a moment taken with QueryPerformanceCounter.
double SecondsSince(const LARGE_INTEGER& start);
LARGE_INTEGER Now();

// Runs a command line to its end; answers its wall time in seconds (-1 when
// it could not start) and leaves what it printed in output.
double TimeProcess(std::string commandLine, std::string& output);
