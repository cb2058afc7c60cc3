#include "app/RunHost.h"

#include "engine/ConfirmDlg.h"
#include "res/resource.h"

Confirmation CRunHost::Confirm(const std::string& path)
{
    CDeleteConfirmDlg dialog(m_dialog);
    Confirmation answer;
    answer.nResult = dialog.DoModal(path);
    answer.bNoMoreConfirm = dialog.m_bNoMoreConfirm;
    answer.bAborted = dialog.m_bAborted;
    return answer;
}

void CRunHost::SetStatus(const std::string& text)
{
    ::SetDlgItemTextA(m_dialog, IDC_STATUS, text.c_str());
}

DWORD CRunHost::WriteLog(const std::string& line)
{
    return m_log.WriteLog(line);
}
