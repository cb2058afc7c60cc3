#pragma once
// The one loop over a folder search by the code page's names, shared by the
// folder tree and the probe for a file. A listed name is data, never path
// syntax: the code page's best-fit conversion turns characters of a name
// that it cannot hold into look-alikes, among them "\", "/" or ":", and
// those it cannot map at all into "?", a wildcard to every function that
// takes the path. The search is made wide, so such a name is known and never
// joined to a path.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "win/Handle.h"

using NameList = std::vector<std::string>;

// True when the name holds none of "\", "/", ":", "|" and the wildcards,
// looked at by characters (a double-byte character whose trail byte is 0x5C
// is not a backslash), nor ends in a dot or a blank.
bool IsSafeName(const char* name);

// Starts a search and fills the first entry's attributes and name, as the A
// functions name it; an invalid handle when nothing matches, the folder
// cannot be read, or the text is beyond the platform's path limit (the A
// functions would refuse or cut it).
win::FindHandle FindFirst(const std::string& pattern, WIN32_FIND_DATAA& entry);

// Which entries of a search a listing wants.
using EntryFilter = std::function<bool(const WIN32_FIND_DATAA&)>;

// Runs the search and sorts the wanted entries ("." and ".." never among
// them), named as the A functions name them, into safe names (held exactly
// by the code page), appended to names until it holds limit of them,
// and unsafe ones, appended to refused when it is given. False when the
// search could not start.
bool FindNames(const std::string& pattern, const EntryFilter& wanted, NameList& names,
               NameList* refused = nullptr, size_t limit = static_cast<size_t>(-1));
