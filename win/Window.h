#pragma once
// A non-owning holder of a window handle with a few plain wrappers.
#include <windows.h>

#include <string>

namespace win {

class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : m_hwnd(hwnd) {}

    HWND Handle() const { return m_hwnd; }
    void Attach(HWND hwnd) { m_hwnd = hwnd; }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hwnd, message, wParam, lParam);
    }
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hwnd, message, wParam, lParam) != FALSE;
    }

    std::string GetText() const;
    void SetText(const std::string& text) const { ::SetWindowTextA(m_hwnd, text.c_str()); }

    void Enable(bool enable) const { ::EnableWindow(m_hwnd, enable); }
    bool IsEnabled() const { return ::IsWindowEnabled(m_hwnd) != FALSE; }
    void Show(bool show) const { ::ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return ::IsWindowVisible(m_hwnd) != FALSE; }
    void Focus() const { ::SetFocus(m_hwnd); }
    void Invalidate() const { ::InvalidateRect(m_hwnd, nullptr, TRUE); }

private:
    HWND m_hwnd = nullptr;
};

} // namespace win
