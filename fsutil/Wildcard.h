#pragma once
// File-name wildcards, matched by our own rule rather than the platform's,
// which also matches the hidden 8.3 short names ("*.res" listing
// "app.resources"). "*" is any run of characters, "?" one character or none
// at a dot or at the name's end; ASCII letters match either case and
// double-byte characters match exactly. Trailing blanks and dots are dropped,
// as the platform's search drops them ("*.tmp " is "*.tmp"), but a dot
// dropped right after a star means no extension ("*." matches only names
// without one); a dot before a final wildcard may match nothing ("*.*"
// matches every name). A leading blank is part of the pattern.
#include <string>

bool MatchesPattern(const char* name, const std::string& pattern);

// True when the pattern holds a backslash or a colon: joined to a folder it
// would name another folder or drive.
bool PatternLeavesFolder(const std::string& pattern);
