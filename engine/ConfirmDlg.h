#pragma once
// Asks before one file is deleted: yes, no, or stop the whole run; a check
// box turns the question off for the rest of the run. The dialog deletes
// nothing; the run reads its answer.
#include <string>

#include "win/Dialog.h"

class CDeleteConfirmDlg : public win::Dialog {
public:
    explicit CDeleteConfirmDlg(HWND parent);

    // IDOK for yes; IDCANCEL for no and for abort; -1 when the dialog could
    // not be created.
    INT_PTR DoModal(const std::string& path);

    int m_bNoMoreConfirm = 0;
    int m_bAborted = 0;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;

private:
    void OnNoMoreConfirm();
    void OnAbort();

    std::string m_strPath;
    win::Window m_staticPath;
};
