#pragma once
// File-type entries: wildcard patterns joined by "/", kept in an ordered
// list in which no two entries are equal ignoring ASCII case.
#include <string>

#include "fsutil/Listing.h"

// The two entries of a first start, and of a list whose last entry went.
NameList BuiltInTypes();

// The patterns of an entry: the pieces between "/", empty ones dropped,
// blanks kept. "/" never occurs inside a double-byte character.
NameList SplitPatterns(const std::string& entry);

// Equal but for letter case, as the runtime's multibyte comparison sees it:
// a double-byte character is one character, never folded byte by byte.
bool SameTypeText(const std::string& a, const std::string& b);

// The index of the first entry equal to the text; the text is appended
// when there is none.
int AddType(NameList& types, const std::string& text);

// Removes the entry at the index (none when it is out of range); an emptied
// list gets the built-in entries back.
void RemoveType(NameList& types, int index);

// The list as the settings file keeps it: the selected entry first (empty
// when none is selected), then the others in order, empty ones dropped.
NameList TypesToSave(const NameList& types, int selected);
