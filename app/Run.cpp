#include "app/PurgoxDlg.h"

#include "app/TypeList.h"
#include "fsutil/ErrorText.h"
#include "fsutil/FolderCheck.h"
#include "res/resource.h"
#include "win/Format.h"

namespace {

const char kIdleStatus[] = "フォルダと削除するファイルの種類を選択後、[実行]を押してください．";

} // namespace

// A run request while an aborted run is still returning is refused; a close
// request then waits until the run's report has been dismissed.
void CPurgoxDlg::OnRun()
{
    if (m_run->IsInRun())
        return;
    m_strFolder = m_editFolder.GetText();
    if (!CheckFolder(m_strFolder)) {
        ShowWarning("処理開始ﾌｫﾙﾀﾞが不正です．", Handle());
        m_editFolder.Focus();
        return;
    }
    OnAddType();
    const RunRequest request = ReadRequest();
    if (!m_run->Begin(request)) {
        RefusePattern();
        return;
    }
    UpdateRunState();
    const bool logged = !request.bNoLog;
    const bool walked = !logged || OpenLog();
    if (walked)
        m_run->StartDelete();
    m_host->ShowStatus();
    const DWORD logError = logged && walked ? CloseLog() : 0;
    const bool close = m_run->End();
    UpdateRunState();
    if (walked) {
        if (logged)
            Item(IDC_LOG).Enable(true);
        if (logError)
            ShowWarning(win::FormatText("削除ログ '%s' に書き込めないため、削除を中止しました．\n%s",
                                        m_strLogPath.c_str(), GetSystemErrorText(logError).c_str()),
                        Handle());
        ReportResult();
    }
    m_staticStatus.SetText(kIdleStatus);
    // The close waited for the run; what was typed meanwhile is kept too.
    if (close)
        OnCancel();
}

RunRequest CPurgoxDlg::ReadRequest() const
{
    RunRequest request;
    request.strFolder = m_strFolder;
    request.arrPatterns = SplitPatterns(m_comboTypes.GetText());
    request.bNoLog = IsChecked(IDC_NO_LOG);
    request.bNoSubfolders = IsChecked(IDC_NO_SUBFOLDERS);
    request.bRemoveEmpty = IsChecked(IDC_REMOVE_EMPTY_DIRS);
    request.bConfirmEach = IsChecked(IDC_CONFIRM_EACH);
    request.bRecycle = IsChecked(IDC_USE_RECYCLE_BIN);
    return request;
}

// A pattern with a backslash or a colon would list one folder and delete in
// another; the whole entry is refused before anything is touched.
void CPurgoxDlg::RefusePattern()
{
    ShowWarning(win::FormatText("ﾌｧｲﾙの種類 '%s' はﾌｫﾙﾀﾞやﾄﾞﾗｲﾌﾞを含むため使えません．\n"
                                "何も削除しませんでした．",
                                m_run->m_strRefusedPattern.c_str()),
                Handle());
    m_comboTypes.Focus();
}

// Nothing is deleted without a log to record it.
bool CPurgoxDlg::OpenLog()
{
    const DWORD error = m_fileLog.Create(m_strLogPath);
    if (!error)
        return true;
    m_fileLog.Close();
    ShowWarning(win::FormatText("削除ログ '%s' を作成できません．何も削除しませんでした．\n%s",
                                m_strLogPath.c_str(), GetSystemErrorText(error).c_str()),
                Handle());
    return false;
}

// Answers the first error of the run's log: a failed line or the final write.
DWORD CPurgoxDlg::CloseLog()
{
    const DWORD closeError = m_fileLog.Close();
    return m_run->m_dwLogError ? m_run->m_dwLogError : closeError;
}

void CPurgoxDlg::ReportResult()
{
    if (m_run->m_nFailed == 0) {
        ::MessageBoxA(Handle(), win::FormatText("%d 件のファイルを削除しました.", m_run->m_nDeleted).c_str(),
                      "Purgox.Exe", MB_OK | MB_ICONINFORMATION);
    } else {
        ShowWarning(win::FormatText("%d 件のファイルが削除出来ませんでした.\n詳細はログをご覧ください．",
                                    m_run->m_nFailed),
                    Handle());
    }
}
