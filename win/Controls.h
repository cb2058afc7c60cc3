#pragma once
// Thin wrappers over the standard and common controls' messages.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/Window.h"

namespace win {

class ComboBox : public Window {
public:
    using Window::Window;
    int AddString(const std::string& text) const
    {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    void SetEditSel(int start, int end) const { Send(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
};

class ListBox : public Window {
public:
    using Window::Window;
    int AddString(const std::string& text) const
    {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
};

class Animate : public Window {
public:
    using Window::Window;
    // Opens a clip from the module's resources; it plays at once when the
    // control has the autoplay style.
    bool Open(HINSTANCE module, int resourceId) const
    {
        return ::SendMessageA(Handle(), ACM_OPENA, reinterpret_cast<WPARAM>(module),
                              reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))) != 0;
    }
    void Close() const { Send(ACM_OPENA, 0, 0); }
};

} // namespace win
