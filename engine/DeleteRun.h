#pragma once
// The deletion run: a depth-first walk, subfolders before a folder's own
// files, deleting the files that match the patterns, pattern by pattern. It
// acts only on what it checked: each folder from the start folder down to
// the one being worked in is held open, and every file is named as the file
// system holds it; the code page's text is what is shown and logged.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/DeleteHost.h"
#include "fsutil/Find.h"
#include "fsutil/Wildcard.h"

// What one run works on: the start folder as typed, the patterns of one
// file-type entry, and the five options as their boxes are ticked (0 or 1).
struct RunRequest {
    std::string strFolder;
    NameList arrPatterns;
    int bNoLog = 0;
    int bNoSubfolders = 0;
    int bRemoveEmpty = 0;
    int bConfirmEach = 0;
    int bRecycle = 0;
};

class CDeleteRun {
public:
    explicit CDeleteRun(IDeleteHost& host) : m_host(host) {}
    CDeleteRun(const CDeleteRun&) = delete;
    CDeleteRun& operator=(const CDeleteRun&) = delete;

    int m_nDeleted = 0;
    int m_nFailed = 0;
    // Set when Begin refused the run: a pattern that names another folder.
    std::string m_strRefusedPattern;
    // Set when a log line could not be written; the run stopped deleting.
    DWORD m_dwLogError = 0;

    // The run's state: idle, then deleting from Begin to Stop, then its walk
    // still returning until End. Begin zeroes the counters and results; it
    // refuses (false) an entry with a pattern that names another folder.
    bool Begin(const RunRequest& request);
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
    // A folder of the walk, named for the file system ("\\?\" form) and as
    // shown, each ending in a backslash.
    struct RunFolder {
        std::wstring strWideBase;
        std::string strShownBase;
    };

    void DeleteTree(const CHeldFolder& folder, const RunFolder& place);
    void DeleteSubtrees(const FolderEntries& entries, const RunFolder& place);
    // Walks the named subfolder of the place if it can be held and entered;
    // false if not.
    bool EnterSubfolder(const RunFolder& place, const std::wstring& name);
    void DeleteFilesIn(const FolderEntries& entries, const RunFolder& place);
    // True when the file is gone.
    bool DeleteOneFile(const std::wstring& path, const std::string& shown);
    bool RemoveOrRecycle(const std::wstring& path, std::string& failure);
    int ConfirmDelete(const std::string& shown);
    void LogFailure(const std::string& shown, const std::string& reason);
    void WriteLog(const std::string& line);

    IDeleteHost& m_host;
    std::string m_strFolder;
    std::vector<CWildcard> m_arrPatterns;
    int m_bNoLog = 0;
    int m_bNoSubfolders = 0;
    int m_bRemoveEmpty = 0;
    int m_bConfirmEach = 0;
    int m_bRecycle = 0;
    // 1 while the run may delete; the walk looks at it at its pump points.
    int m_bRunning = 0;
    bool m_bInRun = false;
    bool m_bCloseAfterRun = false;
    std::function<void()> m_onStop;
};
