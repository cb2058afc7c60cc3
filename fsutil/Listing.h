#pragma once
// A probe for a file.
#include <string>

#include "fsutil/Find.h"

// Nonzero when the first entry matching the pattern is a file.
int FileExists(const std::string& pattern);
