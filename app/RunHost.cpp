#include "app/RunHost.h"

#include "engine/ConfirmDlg.h"
#include "res/resource.h"

bool CStatusPacer::Set(const std::string& text, ULONGLONG nowMs)
{
    m_text = text;
    m_waiting = true;
    std::string shown;
    return TakeDue(nowMs, shown);
}

bool CStatusPacer::TakeDue(ULONGLONG nowMs, std::string& text)
{
    if (m_shownOnce && nowMs - m_shownMs < m_intervalMs)
        return false;
    return Take(nowMs, text);
}

bool CStatusPacer::Take(ULONGLONG nowMs, std::string& text)
{
    if (!m_waiting)
        return false;
    m_waiting = false;
    m_shownOnce = true;
    m_shownMs = nowMs;
    text = m_text;
    return true;
}

// The line names the file's folder while the user is asked about the file.
Confirmation CRunHost::Confirm(const std::string& path)
{
    ShowStatus();
    CDeleteConfirmDlg dialog(m_dialog);
    Confirmation answer;
    answer.nResult = dialog.DoModal(path);
    answer.bNoMoreConfirm = dialog.m_bNoMoreConfirm;
    answer.bAborted = dialog.m_bAborted;
    return answer;
}

void CRunHost::SetStatus(const std::string& text)
{
    if (m_status.Set(text, ::GetTickCount64()))
        Show(text);
}

void CRunHost::PumpMessages(bool now)
{
    std::string text;
    if (m_status.TakeDue(::GetTickCount64(), text))
        Show(text);
    CSystemHost::PumpMessages(now);
}

void CRunHost::ShowStatus()
{
    std::string text;
    if (m_status.Take(::GetTickCount64(), text))
        Show(text);
}

void CRunHost::Show(const std::string& text) const
{
    ::SetDlgItemTextA(m_dialog, IDC_STATUS, text.c_str());
}

DWORD CRunHost::WriteLog(const std::string& line)
{
    return m_log.WriteLog(line);
}
