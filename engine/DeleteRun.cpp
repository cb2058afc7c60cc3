#include "engine/DeleteRun.h"

#include "engine/DeleteLog.h"
#include "engine/Recycle.h"
#include "fsutil/ErrorText.h"
#include "fsutil/Path.h"
#include "fsutil/WideText.h"
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

bool IsDirectory(const FolderEntry& entry)
{
    return (entry.dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A file of a folder's listing, with its name as patterns compare it.
struct ListedFile {
    const std::wstring* pName;
    std::wstring strFolded;
    bool bGone = false;
};

} // namespace

bool CDeleteRun::Begin(const RunRequest& request)
{
    m_nDeleted = 0;
    m_nFailed = 0;
    m_dwLogError = 0;
    m_strRefusedPattern.clear();
    if (const std::string* refused = FindRefusedPattern(request.arrPatterns)) {
        m_strRefusedPattern = *refused;
        return false;
    }
    m_strFolder = request.strFolder;
    m_arrPatterns.clear();
    for (const std::string& pattern : request.arrPatterns)
        m_arrPatterns.emplace_back(pattern);
    m_bNoLog = request.bNoLog;
    m_bNoSubfolders = request.bNoSubfolders;
    m_bRemoveEmpty = request.bRemoveEmpty;
    m_bConfirmEach = request.bConfirmEach;
    m_bRecycle = request.bRecycle;
    m_bRunning = 1;
    m_bInRun = true;
    m_bCloseAfterRun = false;
    return true;
}

// A click waiting at the walk's end is taken while the run still counts as
// running, as it would have been at a pump point.
void CDeleteRun::StartDelete()
{
    if (m_arrPatterns.empty())
        return;
    m_host.SetStatus("ﾌｧｲﾙを削除中です...");
    const std::wstring path = ToLongFolderPath(m_strFolder);
    std::string shownBase = m_strFolder;
    AddBackslash(shownBase);
    if (const CHeldFolder start = m_host.HoldFolder(path, FolderKind::Start))
        DeleteTree(start, {path.back() == L'\\' ? path : path + L"\\", shownBase});
    m_host.PumpMessages(true);
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

// One listing serves the subfolders and every pattern. After an abort the
// walk still visits every remaining folder, so emptied folders are removed,
// but no file is matched or deleted any more.
void CDeleteRun::DeleteTree(const CHeldFolder& folder, const RunFolder& place)
{
    const FolderEntries entries = m_host.ListFolder(folder);
    if (!m_bNoSubfolders)
        DeleteSubtrees(entries, place);
    DeleteFilesIn(entries, place);
}

// A subfolder is let go before its removal is tried: a held folder cannot go.
void CDeleteRun::DeleteSubtrees(const FolderEntries& entries, const RunFolder& place)
{
    for (const FolderEntry& entry : entries) {
        if (IsDirectory(entry) && EnterSubfolder(place, entry.strName) && m_bRemoveEmpty)
            m_host.RemoveFolder(place.strWideBase + entry.strName);
    }
}

bool CDeleteRun::EnterSubfolder(const RunFolder& place, const std::wstring& name)
{
    const std::wstring path = place.strWideBase + name;
    const CHeldFolder folder = m_host.HoldFolder(path, FolderKind::Subfolder);
    if (!folder)
        return false;
    const std::string shown = place.strShownBase + ToShown(name);
    if (!m_bNoLog)
        m_host.SetStatus(win::FormatText("ﾌｫﾙﾀﾞ '%s' を処理中です...", shown.c_str()));
    DeleteTree(folder, {path + L"\\", shown + "\\"});
    return true;
}

// A file that two patterns match is tried again by the second one unless
// the first deleted it; before a question the queue is looked at at once.
// After a stop the names are not even folded.
void CDeleteRun::DeleteFilesIn(const FolderEntries& entries, const RunFolder& place)
{
    std::vector<ListedFile> files;
    for (const FolderEntry& entry : entries) {
        if (m_bRunning && !IsDirectory(entry))
            files.push_back({&entry.strName, FoldCase(entry.strName)});
    }
    for (const CWildcard& pattern : m_arrPatterns) {
        m_host.PumpMessages(false);
        if (!m_bRunning)
            return;
        for (ListedFile& file : files) {
            if (file.bGone || !pattern.Matches(file.strFolded))
                continue;
            m_host.PumpMessages(m_bConfirmEach != 0);
            if (!m_bRunning)
                break;
            const std::wstring& name = *file.pName;
            file.bGone = DeleteOneFile(place.strWideBase + name, place.strShownBase + ToShown(name));
        }
    }
}

bool CDeleteRun::DeleteOneFile(const std::wstring& path, const std::string& shown)
{
    if (!ConfirmDelete(shown)) {
        if (!m_bNoLog)
            WriteLog(StoppedLine(shown));
        return false;
    }
    std::string failure;
    if (!RemoveOrRecycle(path, failure)) {
        LogFailure(shown, failure);
        return false;
    }
    ++m_nDeleted;
    if (!m_bNoLog)
        WriteLog(DeletedLine(shown));
    return true;
}

// The recycle bin costs a pause whatever became of the file.
bool CDeleteRun::RemoveOrRecycle(const std::wstring& path, std::string& failure)
{
    if (m_bRecycle) {
        const char* refusal = RecycleRefusal(path);
        const int result = refusal ? -1 : m_host.RecycleFile(path);
        m_host.Pause(100);
        if (result != 0)
            failure = refusal ? refusal : kRecycleFailedText;
        return result == 0;
    }
    const DWORD error = m_host.RemoveFile(path);
    if (error)
        failure = GetSystemErrorText(error);
    return error == 0;
}

int CDeleteRun::ConfirmDelete(const std::string& shown)
{
    if (!m_bConfirmEach)
        return 1;
    const Confirmation answer = m_host.Confirm(shown);
    if (answer.bNoMoreConfirm)
        m_bConfirmEach = 0;
    if (answer.bAborted)
        Stop();
    return answer.nResult == IDOK;
}

void CDeleteRun::LogFailure(const std::string& shown, const std::string& reason)
{
    ++m_nFailed;
    if (!m_bNoLog)
        WriteLog(FailedLine(shown, reason));
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
