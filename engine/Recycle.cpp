#include "engine/Recycle.h"

#include <shellapi.h>

#include <vector>

int RecycleFile(HWND owner, const std::string& path)
{
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
