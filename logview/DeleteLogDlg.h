#pragma once
// Shows the delete log: its header becomes the caption, each entry a line
// of the list. The file is read once, when the dialog opens.
#include <string>

#include "win/Controls.h"
#include "win/Dialog.h"

class CDeleteLog : public win::Dialog {
public:
    CDeleteLog(const std::string& path, HWND parent);

protected:
    BOOL OnInitDialog() override;

private:
    void SetList();

    std::string m_strPath;
    win::ListBox m_listLog;
};
