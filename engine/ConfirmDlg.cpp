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
    m_checkNoMore.Attach(Item(IDC_NO_MORE_CONFIRM).Handle());
    m_staticPath.Attach(Item(IDC_CONFIRM_PATH).Handle());
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
    m_bNoMoreConfirm = m_checkNoMore.GetCheck() == BST_CHECKED ? 1 : 0;
}

void CDeleteConfirmDlg::OnAbort()
{
    m_bAborted = 1;
    EndDialog(IDCANCEL);
}
