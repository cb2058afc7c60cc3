#pragma once
// The deletion run: a depth-first walk, subfolders before a folder's own
// files, deleting the files that match the patterns, pattern by pattern.
#include <windows.h>

#include <functional>
#include <string>

#include "engine/DeleteHost.h"
#include "fsutil/Listing.h"

class CDeleteRun {
public:
    explicit CDeleteRun(IDeleteHost& host) : m_host(host) {}
    CDeleteRun(const CDeleteRun&) = delete;
    CDeleteRun& operator=(const CDeleteRun&) = delete;

    // Filled by the caller before Begin.
    std::string m_strFolder;
    NameList m_arrPatterns;
    int m_bNoLog = 0;
    int m_bNoSubfolders = 0;
    int m_bRemoveEmpty = 0;
    int m_bConfirmEach = 0;
    int m_bRecycle = 0;

    int m_nDeleted = 0;
    int m_nFailed = 0;
    // Set when Begin refused the run: a pattern that names another folder.
    std::string m_strRefusedPattern;
    // Set when a log line could not be written; the run stopped deleting.
    DWORD m_dwLogError = 0;

    // The run's state: idle, then deleting from Begin to Stop, then its walk
    // still returning until End. Begin zeroes the counters and results; it
    // refuses (false) an entry with a pattern that names another folder.
    bool Begin();
    // Walks the tree and returns when the walk is over; an entry without
    // patterns visits nothing.
    void StartDelete();
    // No more deletions: the walk returns at its next pump points.
    void Stop();
    // The walk has returned; answers whether a close waits for that.
    bool End();
    // The close button: stops the deletions, waits for a stopped walk, or
    // lets the window close now.
    enum class CancelAction { Stopped, CloseLater, CloseNow };
    CancelAction Cancel();

    bool IsRunning() const { return m_bRunning != 0; }
    bool IsInRun() const { return m_bInRun; }
    // Told of every stop, also of those the run makes itself (the
    // confirmation's abort, a failed log write).
    void SetStopListener(std::function<void()> listener) { m_onStop = std::move(listener); }

private:
    void DeleteTree(const std::string& folder);
    // Walks the folder's subfolders (base: the folder ending in a backslash);
    // true when it entered at least one.
    bool DeleteSubtrees(const std::string& folder, const std::string& base);
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
    // 1 while the run may delete; the walk looks at it at its pump points.
    int m_bRunning = 0;
    bool m_bInRun = false;
    bool m_bCloseAfterRun = false;
    std::function<void()> m_onStop;
};
