#include "win/Controls.h"

namespace win {

namespace {

// Items are read with the W messages and turned into the ANSI code page
// here: Wine maps the A forms through a fixed 512-character buffer on the
// stack, so a longer item overruns it.
std::string ReadItem(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    const LRESULT length = ::SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return std::string();
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got =
        ::SendMessageW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
    if (got <= 0)
        return std::string();
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), &text[0], size, nullptr, nullptr);
    return text;
}

} // namespace

std::string ComboBox::GetLBText(int index) const
{
    return ReadItem(Handle(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::string ListBox::GetText(int index) const
{
    return ReadItem(Handle(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

} // namespace win
