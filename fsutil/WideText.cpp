#include "fsutil/WideText.h"

#include <windows.h>

namespace {

// The code page's text, "?" for each character it lacks; reports whether it
// needed one.
std::string Narrow(const std::wstring& wide, BOOL& lacking)
{
    lacking = FALSE;
    if (wide.empty())
        return std::string();
    const int length = static_cast<int>(wide.size());
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, "?", &lacking);
    std::string text(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, &text[0], bytes, "?", &lacking);
    return text;
}

} // namespace

std::wstring ToWide(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int bytes = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, &wide[0], length);
    return wide;
}

std::string ToShown(const std::wstring& wide)
{
    BOOL lacking;
    return Narrow(wide, lacking);
}

// The way back is checked too: only then is the text the same name.
bool ToExactText(const std::wstring& wide, std::string& text)
{
    BOOL lacking;
    text = Narrow(wide, lacking);
    return !lacking && ToWide(text) == wide;
}

std::wstring ToFullPath(const std::wstring& path)
{
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = size ? ::GetFullPathNameW(path.c_str(), size, &full[0], nullptr) : 0;
    if (length == 0 || length >= size)
        return path;
    full.resize(length);
    return full;
}

std::wstring ToLongFolderPath(const std::string& folder)
{
    std::wstring full = ToFullPath(ToWide(folder));
    if (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return L"\\\\?\\" + full;
}
