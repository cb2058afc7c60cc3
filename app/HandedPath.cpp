#include "app/HandedPath.h"

#include <windows.h>
#include <shellapi.h>

#include "fsutil/Path.h"
#include "fsutil/WideText.h"
#include "win/Format.h"

// Never best-fitted: a look-alike ("¥" made "\") would name another folder.
HandedFolder TakeHandedPath(const std::wstring& handed)
{
    const std::wstring path = ToFullPath(handed);
    std::string text;
    if (!ToExactText(path, text))
        return {false, win::FormatText("'%s' はｼﾌﾄJISで表せない文字を含むため、処理開始ﾌｫﾙﾀﾞにできません．",
                                       ToShown(path).c_str())};
    if (text.size() > kMaxPathLength)
        return {false, win::FormatText("'%s' はﾊﾟｽが %zu ﾊﾞｲﾄを超えるため、処理開始ﾌｫﾙﾀﾞにできません．",
                                       text.c_str(), kMaxPathLength)};
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return {true, text};
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {true, GetFolderPart(text)};
    AddBackslash(text);
    return {true, text};
}

std::wstring FirstArgument(const wchar_t* commandLine)
{
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(commandLine, &count);
    const std::wstring first = arguments && count > 1 ? arguments[1] : L"";
    ::LocalFree(arguments);
    return first;
}
