// Times the folder tree on the fixed test drive P: (make bench): opening at
// a folder five levels deep, expanding a folder of 5,000 subfolders, and one
// refresh while 200 folders are expanded.
#include <windows.h>
#include <commctrl.h>
#include <mbctype.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "DialogDriver.h"
#include "TestDrives.h"
#include "TreeDialog.h"
#include "browse/DriveWatcher.h"

namespace {

double Milliseconds(const std::function<void()>& work)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Numbered(const char* prefix, int n)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%04d", prefix, n);
    return name;
}

void OpenFiveDeep()
{
    DriveArea area(kFixedRoot);
    std::string path;
    for (int level = 1; level <= 5; ++level) {
        path += (path.empty() ? "" : "\\") + Numbered("Level", level);
        for (int sibling = 0; sibling < 20; ++sibling)
            area.MakeFolder(path + "\\" + Numbered("Other", sibling));
    }
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<TreeDialog> dlg;
        const double opening = Milliseconds([&] { dlg = std::make_unique<TreeDialog>(area / path); });
        std::printf("open at a folder 5 levels deep (20 subfolders each): %.0f ms, shows %s\n", opening,
                    dlg->ShownPath().c_str());
        dlg->Close(IDCANCEL);
    }
}

void ExpandFiveThousand()
{
    DriveArea area(kFixedRoot);
    for (int n = 0; n < 5000; ++n)
        area.MakeFolder(Numbered("Sub", n));
    area.MakeFolder(Numbered("Sub", 7) + "\\Inner");
    for (int round = 0; round < 3; ++round) {
        TreeDialog dlg(kFixedRoot);
        const HTREEITEM folder = dlg.Find(area.Path());
        const double expanding = Milliseconds([&] { dlg.ClickButton(folder); });
        std::printf("expand a folder of 5,000 subfolders: %.0f ms, %zu items\n", expanding,
                    dlg.Children(folder).size());
        dlg.Close(IDCANCEL);
    }
}

void RefreshTwoHundredExpanded()
{
    DriveArea area(kFixedRoot);
    for (int n = 0; n < 200; ++n)
        area.MakeFolder(Numbered("Open", n) + "\\Child");
    TreeDialog dlg(area.Path());
    for (int n = 0; n < 200; ++n)
        dlg.ClickButton(dlg.Find(area / Numbered("Open", n)));
    for (int round = 0; round < 3; ++round) {
        const double refresh = Milliseconds([&] {
            ::PostMessageA(dlg.Handle(), WM_DIRSELM_COMMAND, 'P' - 'A', 0);
            ui::Flush(dlg.Handle());
        });
        std::printf("one refresh of P: with 200 folders expanded: %.0f ms\n", refresh);
    }
    const std::string created = area / (Numbered("Open", 100) + "\\New");
    const double following = Milliseconds([&] {
        ::CreateDirectoryA(created.c_str(), nullptr);
        ::CreateDirectoryA((area.Path() + "-probe").c_str(), nullptr);
        ::RemoveDirectoryA((area.Path() + "-probe").c_str());
        ui::WaitUntil([&] { return dlg.Find(created) != nullptr; });
    });
    std::printf("one folder created, shown in the tree after: %.0f ms\n", following);
    dlg.Close(IDCANCEL);
}

} // namespace

int main()
{
    _setmbcp(_MB_CP_ANSI);
    OpenFiveDeep();
    ExpandFiveThousand();
    RefreshTwoHundredExpanded();
}
