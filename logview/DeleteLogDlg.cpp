#include "logview/DeleteLogDlg.h"

#include "fsutil/ErrorText.h"
#include "res/resource.h"
#include "win/TextFile.h"

CDeleteLog::CDeleteLog(const std::string& path, HWND parent)
    : win::Dialog(IDD_DELETE_LOG, parent), m_strPath(path)
{
}

BOOL CDeleteLog::OnInitDialog()
{
    AttachItem(m_listLog, IDC_LOG_LIST);
    SetList();
    return TRUE;
}

// Whatever was read before a failure stays on show.
void CDeleteLog::SetList()
{
    win::TextFile file;
    std::string line;
    if (file.Open(m_strPath, win::TextFile::Mode::Read) && file.ReadString(line)) {
        SetText(line);
        while (file.ReadString(line))
            m_listLog.AddString(line);
    }
    if (const DWORD error = file.LastError())
        ShowWarning(GetSystemErrorText(error), Handle());
}
