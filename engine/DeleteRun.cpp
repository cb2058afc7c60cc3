#include "engine/DeleteRun.h"

#include "engine/DeleteLog.h"
#include "fsutil/ErrorText.h"
#include "fsutil/Path.h"
#include "fsutil/Wildcard.h"
#include "win/Format.h"

namespace {

// The first pattern that would list one folder and delete in another (it
// holds "\" or ":"), or null. An entry with one is refused whole.
const std::string* FindRefusedPattern(const NameList& patterns)
{
    for (const std::string& pattern : patterns) {
        if (PatternLeavesFolder(pattern))
            return &pattern;
    }
    return nullptr;
}

} // namespace

bool CDeleteRun::Begin()
{
    m_nDeleted = 0;
    m_nFailed = 0;
    m_dwLogError = 0;
    m_strRefusedPattern.clear();
    if (const std::string* refused = FindRefusedPattern(m_arrPatterns)) {
        m_strRefusedPattern = *refused;
        return false;
    }
    m_bRunning = 1;
    m_bInRun = true;
    m_bCloseAfterRun = false;
    return true;
}

void CDeleteRun::StartDelete()
{
    if (m_arrPatterns.empty())
        return;
    m_host.SetStatus("ﾌｧｲﾙを削除中です...");
    DeleteTree(m_strFolder);
}

void CDeleteRun::Stop()
{
    if (!m_bRunning)
        return;
    m_bRunning = 0;
    if (m_onStop)
        m_onStop();
}

bool CDeleteRun::End()
{
    const bool close = m_bCloseAfterRun;
    m_bRunning = 0;
    m_bInRun = false;
    m_bCloseAfterRun = false;
    return close;
}

CDeleteRun::CancelAction CDeleteRun::Cancel()
{
    if (m_bRunning) {
        Stop();
        return CancelAction::Stopped;
    }
    if (m_bInRun) {
        m_bCloseAfterRun = true;
        return CancelAction::CloseLater;
    }
    return CancelAction::CloseNow;
}

// After an abort the walk still visits every remaining folder, so emptied
// folders are removed, but no file is listed or deleted any more. A folder
// below the start is looked at again after its subfolders: it may
// have been swapped for a link meanwhile, and through it the files of
// another folder would be listed, deleted and removed.
void CDeleteRun::DeleteTree(const std::string& folder)
{
    std::string base = folder;
    AddBackslash(base);
    const bool isStart = folder == m_strFolder;
    if (DeleteSubtrees(folder, base) && !isStart && !m_host.IsEnterableFolder(folder))
        return;
    DeleteFilesIn(folder);
    if (m_bRemoveEmpty && !isStart && !m_host.FileExists(base + "*.*") && m_host.IsEnterableFolder(folder))
        m_host.RemoveFolder(folder);
}

// True when at least one subfolder was walked.
bool CDeleteRun::DeleteSubtrees(const std::string& folder, const std::string& base)
{
    if (m_bNoSubfolders || !CheckPathLength(base + "*.*"))
        return false;
    NameList subfolders;
    NameList refused;
    m_host.ListSubfolders(subfolders, folder, refused);
    RefuseNames(base, refused);
    bool walked = false;
    for (const std::string& name : subfolders) {
        const std::string path = base + name;
        if (!CheckPathLength(path) || !m_host.IsEnterableFolder(path))
            continue;
        if (!m_bNoLog)
            m_host.SetStatus(win::FormatText("ﾌｫﾙﾀﾞ '%s' を処理中です...", path.c_str()));
        DeleteTree(path);
        walked = true;
    }
    return walked;
}

void CDeleteRun::DeleteFilesIn(const std::string& folder)
{
    std::string base = folder;
    AddBackslash(base);
    NameList names;
    NameList refused;
    for (const std::string& pattern : m_arrPatterns) {
        m_host.PumpMessage();
        if (!m_bRunning)
            return;
        const std::string patternPath = base + pattern;
        if (!CheckPathLength(patternPath))
            continue;
        m_host.ListFiles(patternPath, names, refused);
        RefuseNames(base, refused);
        for (const std::string& name : names) {
            m_host.PumpMessage();
            if (!m_bRunning)
                break;
            const std::string path = base + name;
            if (CheckPathLength(path))
                DeleteOneFile(path);
        }
    }
}

void CDeleteRun::DeleteOneFile(const std::string& path)
{
    if (!ConfirmDelete(path)) {
        if (!m_bNoLog)
            WriteLog(StoppedLine(path));
        return;
    }
    std::string failure;
    if (!RemoveOrRecycle(path, failure)) {
        LogFailure(path, failure);
        return;
    }
    ++m_nDeleted;
    if (!m_bNoLog)
        WriteLog(DeletedLine(path));
}

// The recycle bin costs a pause whatever the shell answered.
bool CDeleteRun::RemoveOrRecycle(const std::string& path, std::string& failure)
{
    if (m_bRecycle) {
        const int result = m_host.RecycleFile(path);
        m_host.Pause(100);
        if (result != 0)
            failure = kRecycleFailedText;
        return result == 0;
    }
    const DWORD error = m_host.RemoveFile(path);
    if (error)
        failure = GetSystemErrorText(error);
    return error == 0;
}

int CDeleteRun::ConfirmDelete(const std::string& path)
{
    if (!m_bConfirmEach)
        return 1;
    const Confirmation answer = m_host.Confirm(path);
    if (answer.bNoMoreConfirm)
        m_bConfirmEach = 0;
    if (answer.bAborted)
        Stop();
    return answer.nResult == IDOK;
}

void CDeleteRun::LogFailure(const std::string& path, const std::string& reason)
{
    ++m_nFailed;
    if (!m_bNoLog)
        WriteLog(FailedLine(path, reason));
}

// A log that can no longer be written stops the deletions: the log is the
// only record of what was deleted.
void CDeleteRun::WriteLog(const std::string& line)
{
    if (m_dwLogError)
        return;
    m_dwLogError = m_host.WriteLog(line);
    if (m_dwLogError)
        Stop();
}

// A name that holds path syntax would name another file or folder once
// joined to its folder: it is reported, never deleted or entered.
void CDeleteRun::RefuseNames(const std::string& base, const NameList& names)
{
    if (!m_bRunning)
        return;
    for (const std::string& name : names)
        LogFailure(base + name, GetSystemErrorText(ERROR_INVALID_NAME));
}

// A path beyond the platform's limit is never cut short, entered or deleted:
// it is reported as a failure, while the run may still report anything.
bool CDeleteRun::CheckPathLength(const std::string& path)
{
    if (path.size() <= kMaxPathLength)
        return true;
    if (m_bRunning)
        LogFailure(path, GetSystemErrorText(ERROR_FILENAME_EXCED_RANGE));
    return false;
}
