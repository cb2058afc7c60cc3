#pragma once
// The trees that the benchmark deletes: folders up to eight deep, twenty
// empty files in each, half of them matching the build-intermediates entry.
// A tree is made once per size through Windows and copied on the Linux side,
// which is a hundred times faster; trees go with the test folders' RemoveTree.
#include <string>
#include <vector>

extern const std::vector<std::string> kBuildPatterns;
// The same patterns as one file-type entry.
extern const char kBuildEntry[];

void MakeTree(const std::string& root, int folders);
void CopyTree(const std::string& from, const std::string& to);
