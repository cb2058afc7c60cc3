#pragma once
// File-name wildcards, matched by our own rule on the names a listing gives
// rather than by the platform's search, which also matches the hidden 8.3
// short names ("*.res" would take "app.resources"). "*" is any run of
// characters, "?" one character or none at a dot or at the name's end;
// letters match in either case, as the file system folds them. Trailing
// blanks and dots are dropped, as the platform's search drops them ("*.tmp "
// is "*.tmp"), but a dot dropped right after a star means no extension ("*."
// matches only names without one); a dot before a final wildcard may match
// nothing ("*.*" matches every name). A leading blank is part of the pattern.
#include <string>

// Every letter that has an upper-case form in upper case, as the file system
// compares names.
std::wstring FoldCase(std::wstring text);

class CWildcard {
public:
    // A pattern as typed, in the code page.
    explicit CWildcard(const std::string& pattern);

    // The name as FoldCase gives it.
    bool Matches(const std::wstring& foldedName) const;

private:
    std::wstring m_strCore;
    bool m_bNoExtension;
};

// True when the pattern holds a backslash or a colon: joined to a folder it
// would name another folder or drive.
bool PatternLeavesFolder(const std::string& pattern);
