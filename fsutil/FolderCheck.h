#pragma once
#include <string>

// Nonzero when the path (from a drive's root, no trailing backslash unless it
// is the root itself) names an existing folder on a drive that is present and
// ready.
int IsFolder(const std::string& path);
// IsFolder on the text less one trailing backslash.
int CheckFolder(const std::string& path);
