#include "app/HelpFile.h"

#include <shellapi.h>

#include "fsutil/ErrorText.h"
#include "fsutil/Path.h"

namespace {

const char kHelpPage[] = "Purgox.html";

// The whole path, however long: a cut-off one would name another folder.
std::string GetModulePath()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string GetHelpFilePath(const std::string& exePath)
{
    const std::string folder = GetFolderPart(exePath);
    // A dot is never part of a double-byte character, so a byte search is safe.
    const std::string name = exePath.substr(folder.size());
    return folder + name.substr(0, name.rfind('.')) + ".HLP";
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

HelpChoice ChooseHelp(const std::string& exePath, const std::function<bool(const std::string&)>& exists)
{
    const std::string helpFile = GetHelpFilePath(exePath);
    if (exists(helpFile))
        return {HelpViewer::WinHelp, helpFile};
    const std::string page = GetFolderPart(exePath) + kHelpPage;
    return {exists(page) ? HelpViewer::Page : HelpViewer::Missing, page};
}

// The shell reports its own failures (no program for the page, say), as the
// help viewer does for a help file it cannot read.
void ShowHelp(HWND owner)
{
    const HelpChoice help = ChooseHelp(GetModulePath(), FileExists);
    switch (help.viewer) {
    case HelpViewer::WinHelp:
        ::WinHelpA(owner, help.path.c_str(), HELP_FORCEFILE, 0);
        break;
    case HelpViewer::Page:
        ::ShellExecuteA(owner, "open", help.path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    case HelpViewer::Missing:
        ShowWarning("ヘルプファイル " + help.path + " が見つかりません。", owner);
        break;
    }
}

void QuitHelp(HWND owner)
{
    ::WinHelpA(owner, GetHelpFilePath(GetModulePath()).c_str(), HELP_QUIT, 0);
}
