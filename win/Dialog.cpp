#include "win/Dialog.h"

namespace win {

INT_PTR Dialog::DoModal()
{
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), m_parent,
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        self->Attach(hwnd);
    } else {
        self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return FALSE;
    try {
        const INT_PTR result = self->OnMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->Attach(nullptr);
        }
        return result;
    } catch (...) {
        ::EndDialog(hwnd, -1);
        return TRUE;
    }
}

INT_PTR Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<NMHDR*>(lParam), result))
            return FALSE;
        SetMessageResult(result);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

bool Dialog::OnCommand(int id, int /*code*/)
{
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

bool Dialog::OnNotify(NMHDR& /*header*/, LRESULT& /*result*/)
{
    return false;
}

} // namespace win
