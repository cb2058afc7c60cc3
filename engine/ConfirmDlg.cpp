#include "engine/ConfirmDlg.h"

#include "res/resource.h"

CDeleteConfirmDlg::CDeleteConfirmDlg(HWND parent) : win::Dialog(IDD_DELETE_CONFIRM, parent) {}

INT_PTR CDeleteConfirmDlg::DoModal(const std::string& path)
{
    m_strPath = path;
    return win::Dialog::DoModal();
}

BOOL CDeleteConfirmDlg::OnInitDialog()
{
    AttachItem(m_staticPath, IDC_CONFIRM_PATH);
    m_staticPath.SetText(m_strPath);
    return TRUE;
}

bool CDeleteConfirmDlg::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_NO_MORE_CONFIRM:
        if (code == BN_CLICKED)
            OnNoMoreConfirm();
        return true;
    case IDC_ABORT:
        if (code == BN_CLICKED)
            OnAbort();
        return true;
    default:
        return win::Dialog::OnCommand(id, code);
    }
}

// The last click counts: ticking and unticking again leaves it off.
void CDeleteConfirmDlg::OnNoMoreConfirm()
{
    m_bNoMoreConfirm = IsChecked(IDC_NO_MORE_CONFIRM) ? 1 : 0;
}

void CDeleteConfirmDlg::OnAbort()
{
    m_bAborted = 1;
    EndDialog(IDCANCEL);
}
