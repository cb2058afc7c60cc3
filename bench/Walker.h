#pragma once
// The floor of the deletion run on this platform: a walk that lists each
// folder once with wide names, deletes what the patterns match, subfolders
// first and pattern by pattern as the run does, and looks at its message
// queue every 10 ms; nothing else (no log, no window, no status, no checks).
#include <string>

// Deletes below the folder what the patterns ("*.ext" each, joined by "/")
// match and prints "seconds deleted"; with a window of its own on the
// walking thread when asked.
int RunWalker(const std::string& folder, const std::string& patterns, bool withWindow);
