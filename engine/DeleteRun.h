#pragma once
// The deletion run: a depth-first walk, subfolders before a folder's own
// files, deleting the files that match the patterns, pattern by pattern.
#include <windows.h>

#include <string>

#include "engine/DeleteHost.h"
#include "fsutil/Listing.h"

// The first pattern that would list one folder and delete in another (it
// holds "\" or ":"), or null. An entry with one is refused whole.
const std::string* FindRefusedPattern(const NameList& patterns);

class CDeleteRun {
public:
    explicit CDeleteRun(IDeleteHost& host) : m_host(host) {}
    CDeleteRun(const CDeleteRun&) = delete;
    CDeleteRun& operator=(const CDeleteRun&) = delete;

    // Filled by the caller before StartDelete.
    std::string m_strFolder;
    NameList m_arrPatterns;
    int m_bNoLog = 0;
    int m_bNoSubfolders = 0;
    int m_bRemoveEmpty = 0;
    int m_bConfirmEach = 0;
    int m_bRecycle = 0;

    // 1 while the run may delete; clearing it stops the run at its next
    // pump point.
    int m_bRunning = 0;
    int m_nDeleted = 0;
    int m_nFailed = 0;
    // Set when the run refused to start: a pattern that names another folder.
    std::string m_strRefusedPattern;
    // Set when a log line could not be written; the run stopped deleting.
    DWORD m_dwLogError = 0;

    // Zeroes the counters and results, walks the tree and returns when the
    // walk is over. The caller sets m_bRunning to 1 first.
    void StartDelete();

private:
    void DeleteTree(const std::string& folder);
    void DeleteFilesIn(const std::string& folder);
    void DeleteOneFile(const std::string& path);
    bool RemoveOrRecycle(const std::string& path, std::string& failure);
    int ConfirmDelete(const std::string& path);
    void LogFailure(const std::string& path, const std::string& reason);
    void WriteLog(const std::string& line);
    void RefuseNames(const std::string& base, const NameList& names);
    // False, with a failure line, for a path beyond the platform's limit.
    bool CheckPathLength(const std::string& path);

    IDeleteHost& m_host;
};
