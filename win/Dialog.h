#pragma once
// Modal dialog base. The object travels to the dialog procedure as the
// creation parameter and lives in GWLP_USERDATA; messages reach one virtual
// switch (OnMessage), which calls the typed hooks below. No exception leaves
// the dialog procedure: one that reaches it ends the dialog with -1.
#include <windows.h>

#include "win/Window.h"

namespace win {

class Dialog : public Window {
public:
    Dialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog; returns the value given to EndDialog, or -1 when the
    // dialog could not be created.
    INT_PTR DoModal();

    Window Item(int id) const { return Window(::GetDlgItem(Handle(), id)); }
    // Binds a control member to the dialog's item.
    void AttachItem(Window& control, int id) const { control.Attach(::GetDlgItem(Handle(), id)); }
    bool IsChecked(int id) const { return ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED; }
    void SetChecked(int id, bool checked) const
    {
        ::CheckDlgButton(Handle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    HWND Parent() const { return m_parent; }

protected:
    void EndDialog(INT_PTR result) const { ::EndDialog(Handle(), result); }
    // The answer to a notification or a registered message, for a handler
    // that then returns TRUE from OnMessage.
    void SetMessageResult(LRESULT result) const { ::SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, result); }

    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The return value is WM_INITDIALOG's: TRUE lets the dialog manager set
    // the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Returns true when the command was handled.
    virtual bool OnCommand(int id, int code);
    // Returns true when handled; result goes back to the control. Some
    // notifications are answered in their own structure (TVN_GETDISPINFO).
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_parent;
};

} // namespace win
