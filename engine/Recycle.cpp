#include "engine/Recycle.h"

#include <shellapi.h>

#include <vector>

int RecycleFile(HWND owner, const std::string& path)
{
    // A folder that took the listed file's place would go with everything in
    // it: the shell's delete takes folders too.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return ERROR_DIRECTORY;
    // The shell takes a list of names ended by an empty one.
    std::vector<char> from(path.begin(), path.end());
    from.insert(from.end(), 2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.data();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    return ::SHFileOperationA(&operation);
}
