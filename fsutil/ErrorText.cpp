#include "fsutil/ErrorText.h"

#include "win/Format.h"

std::string GetSystemErrorText(DWORD code)
{
    char* buffer = nullptr;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                             FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                         MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                         reinterpret_cast<char*>(&buffer), 0, nullptr);
    if (!buffer)
        return win::FormatText("エラー %lu", code);
    std::string text(buffer, length >= 2 ? length - 2 : 0);
    ::LocalFree(buffer);
    return text;
}

void ShowWarning(const std::string& text, HWND owner)
{
    ::MessageBeep(MB_ICONEXCLAMATION);
    ::MessageBoxA(owner, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}
