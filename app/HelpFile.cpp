#include "app/HelpFile.h"

#include <shellapi.h>

#include "fsutil/ErrorText.h"
#include "fsutil/Listing.h"
#include "fsutil/Path.h"

namespace {

const char kHelpPage[] = "Purgox.html";
// The help file is the executable's path with this extension.
const char kHelpExtension[] = ".HLP";

} // namespace

HelpChoice ChooseHelp(const std::string& exePath, const std::function<bool(const std::string&)>& exists)
{
    const std::string helpFile = ReplaceExtension(exePath, kHelpExtension);
    if (exists(helpFile))
        return {HelpViewer::WinHelp, helpFile};
    const std::string page = GetFolderPart(exePath) + kHelpPage;
    return {exists(page) ? HelpViewer::Page : HelpViewer::Missing, page};
}

// The shell reports its own failures (no program for the page, say), as the
// help viewer does for a help file it cannot read.
void ShowHelp(HWND owner)
{
    const HelpChoice help = ChooseHelp(GetModulePath(), [](const std::string& path) { return FileExists(path) != 0; });
    switch (help.viewer) {
    case HelpViewer::WinHelp:
        ::WinHelpA(owner, help.path.c_str(), HELP_FORCEFILE, 0);
        break;
    case HelpViewer::Page:
        ::ShellExecuteA(owner, "open", help.path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    case HelpViewer::Missing:
        ShowWarning("ヘルプファイル " + help.path + " が見つかりません．", owner);
        break;
    }
}

void QuitHelp(HWND owner)
{
    ::WinHelpA(owner, ReplaceExtension(GetModulePath(), kHelpExtension).c_str(), HELP_QUIT, 0);
}
