#pragma once
// The settings file beside the executable: line 1 the start folder, then the
// file-type entries, Shift-JIS text with CR LF line ends.
#include <windows.h>

#include <string>

#include "fsutil/Listing.h"

struct Settings {
    // Empty when the file has no first line.
    std::string strFolder;
    NameList arrTypes;
};

// Answers 0 or the system's error code; what was read before a failure
// stays in the settings.
DWORD ReadSettings(const std::string& path, Settings& settings);

// The new content is written to a file of its own beside the old one, which
// is replaced only when the whole write succeeded: a failed save never costs
// the old settings, nor any other file. The old file's attributes stay.
// Answers 0 or the system's error code.
DWORD WriteSettings(const std::string& path, const Settings& settings);
