#include "ShotRequest.h"

#include <fstream>

#include "DialogDriver.h"

bool RequestShot(const std::string& requestFile, const char* name, HWND window)
{
    RECT rect;
    if (!window || !::GetWindowRect(window, &rect))
        return false;
    {
        std::ofstream request(requestFile);
        request << "help/" << name << ' ' << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
                << rect.bottom - rect.top << '\n';
    }
    return ui::WaitUntil([&] { return ::GetFileAttributesA(requestFile.c_str()) == INVALID_FILE_ATTRIBUTES; },
                         30000);
}
