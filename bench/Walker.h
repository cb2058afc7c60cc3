#pragma once
// The floor of the deletion run on this platform: its walk, listings, pump
// points and deletions, and nothing else (no log, no window, no status).
#include <string>

// Deletes what the build-intermediates entry matches below the folder and
// prints "seconds deleted"; with a window of its own on the walking thread
// when asked.
int RunWalker(const std::string& folder, bool withWindow);
