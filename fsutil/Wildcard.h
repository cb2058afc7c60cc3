#pragma once
// File-name wildcards, matched by our own rule rather than the platform's,
// which also matches the hidden 8.3 short names ("*.res" listing
// "app.resources"). "*" is any run of characters, "?" one character; ASCII
// letters match either case and double-byte characters match exactly.
// A final ".*" may match nothing ("*.*" matches every name) and a final "."
// matches only names without an extension ("*.").
#include <string>

bool MatchesPattern(const char* name, const std::string& pattern);

// True when the pattern holds a backslash or a colon: joined to a folder it
// would name another folder or drive.
bool PatternLeavesFolder(const std::string& pattern);
