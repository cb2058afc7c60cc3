#include "engine/Recycle.h"

#include <shellapi.h>

#include <vector>

namespace {

constexpr wchar_t kLongPathPrefix[] = L"\\\\?\\";
constexpr size_t kPrefixLength = 4;

std::wstring ShellPath(const std::wstring& path)
{
    return path.compare(0, kPrefixLength, kLongPathPrefix) == 0 ? path.substr(kPrefixLength) : path;
}

bool HasNameEndingInDotOrBlank(const std::wstring& path)
{
    for (size_t i = 0; i < path.size(); ++i) {
        const bool nameEnd = i + 1 == path.size() || path[i + 1] == L'\\';
        if (nameEnd && (path[i] == L'.' || path[i] == L' '))
            return true;
    }
    return false;
}

} // namespace

const char* RecycleRefusal(const std::wstring& path)
{
    const std::wstring shellPath = ShellPath(path);
    if (shellPath.size() >= MAX_PATH)
        return "ﾊﾟｽが長すぎるため、ごみ箱に転送できません．";
    if (HasNameEndingInDotOrBlank(shellPath))
        return "名前が'.'か空白で終わるため、ごみ箱に転送できません．";
    return nullptr;
}

int RecycleFile(HWND owner, const std::wstring& path)
{
    // A folder that took the listed file's place would go with everything in
    // it: the shell's delete takes folders too.
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return ERROR_DIRECTORY;
    // The shell takes a list of names ended by an empty one.
    const std::wstring shellPath = ShellPath(path);
    std::vector<wchar_t> from(shellPath.begin(), shellPath.end());
    from.insert(from.end(), 2, L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.data();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    return ::SHFileOperationW(&operation);
}
