#pragma once
// The program as users start and use it, driven through its window.
#include <cstddef>
#include <string>

struct ProgramRun {
    double seconds = -1;    // from the run button's press to the report box
    std::string report;     // the report box's text
    int logLines = 0;       // lines of the delete log, header included
    size_t peakKb = 0;      // the process's peak working set
};

// Copies the program into a fresh folder (no settings file), starts it there,
// types the tree into the folder field, picks the entry (typed when it is not
// the first built-in one) and presses the run button with every option off,
// so logging is on.
ProgramRun TimeProgramRun(const std::string& exe, const std::string& home, const std::string& tree,
                          const std::string& entry);

// Seconds from starting the program in a fresh folder to its visible main
// window; -1 when it never came.
double TimeStartUp(const std::string& exe, const std::string& home);
