#pragma once
#include "win/Dialog.h"

// The version box of the system menu; OK, Enter, Esc and the close box end it.
class CAboutDlg : public win::Dialog {
public:
    explicit CAboutDlg(HWND parent);
};
