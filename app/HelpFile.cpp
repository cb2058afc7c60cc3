#include "app/HelpFile.h"

#include "fsutil/Path.h"

std::string GetHelpFilePath()
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string path = module;
    const std::string folder = GetFolderPart(path);
    // A dot is never part of a double-byte character, so a byte search is safe.
    std::string name = path.substr(folder.size());
    name = name.substr(0, name.rfind('.'));
    return folder + name + ".HLP";
}

void ShowHelp(HWND owner)
{
    ::WinHelpA(owner, GetHelpFilePath().c_str(), HELP_FORCEFILE, 0);
}

void QuitHelp(HWND owner)
{
    ::WinHelpA(owner, GetHelpFilePath().c_str(), HELP_QUIT, 0);
}
