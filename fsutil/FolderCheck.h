#pragma once
#include <string>

// Nonzero when the path (no trailing backslash unless a drive root) names an
// existing folder on a drive that is present and ready.
int IsFolder(const std::string& path);
// IsFolder on the text less one trailing backslash.
int CheckFolder(const std::string& path);
