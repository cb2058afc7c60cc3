// Times the folder tree on the fixed test drive P: (make bench): opening at
// a folder five levels deep, expanding a folder of 5,000 subfolders, one
// refresh while 200 folders are expanded; and, as a step of its own, clicks
// and the close while another process keeps creating and deleting folders
// below an open item.
#include <windows.h>
#include <commctrl.h>
#include <mbctype.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "TreeDialog.h"
#include "browse/DriveWatcher.h"

namespace {

const char kFixedRoot[] = "P:\\";

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
    TestFolder area(kFixedRoot);
    std::string path;
    for (int level = 1; level <= 5; ++level) {
        path += (path.empty() ? "" : "\\") + Numbered("Level", level);
        area.MakeFolder(path);
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
    TestFolder area(kFixedRoot);
    for (int n = 0; n < 5000; ++n)
        area.MakeFolder(Numbered("Sub", n));
    area.MakeFolder(Numbered("Sub", 7) + "\\Inner");
    for (int round = 0; round < 3; ++round) {
        TreeDialog dlg(kFixedRoot);
        const HTREEITEM folder = dlg.Find(area.Path());
        const double expanding = Milliseconds([&] {
            dlg.ClickButton(folder);
            ::UpdateWindow(dlg.Handle());
        });
        std::printf("expand a folder of 5,000 subfolders: %.0f ms, %zu items\n", expanding,
                    dlg.Children(folder).size());
        dlg.Close(IDCANCEL);
    }
}

void RefreshTwoHundredExpanded()
{
    TestFolder area(kFixedRoot);
    for (int n = 0; n < 200; ++n)
        area.MakeFolder(Numbered("Open", n) + "\\Child");
    TreeDialog dlg(area.Path());
    for (int n = 0; n < 200; ++n)
        dlg.ClickButton(dlg.Find(area / Numbered("Open", n)));
    for (int round = 0; round < 3; ++round) {
        const double refresh = Milliseconds([&] {
            ::PostMessageA(dlg.Dialog(), WM_DIRSELM_COMMAND, 'P' - 'A', 0);
            ui::Flush(dlg.Dialog());
            ::UpdateWindow(dlg.Handle());
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

// Waits until the watcher of P:, which arms on a thread of its own, shows a
// folder made at the root; P: must be expanded.
bool WaitForWatcher(const TreeDialog& dlg)
{
    const std::string probe = kFixedRoot + std::to_string(::GetCurrentProcessId());
    bool seen = false;
    for (int attempt = 0; attempt < 20 && !seen; ++attempt) {
        ::CreateDirectoryA(probe.c_str(), nullptr);
        seen = ui::WaitUntil([&] { return dlg.Find(probe) != nullptr; }, 250);
        ::RemoveDirectoryA(probe.c_str());
    }
    return seen;
}

// The middle of the item's expand button, in the tree's coordinates.
POINT ButtonPoint(HWND tree, HTREEITEM item)
{
    TreeView_EnsureVisible(tree, item);
    RECT rect{};
    TreeView_GetItemRect(tree, item, &rect, TRUE);
    TVHITTESTINFO hit{};
    hit.pt.y = (rect.top + rect.bottom) / 2;
    for (hit.pt.x = 0; hit.pt.x < rect.left; ++hit.pt.x) {
        TreeView_HitTest(tree, &hit);
        if (hit.hItem == item && (hit.flags & TVHT_ONITEMBUTTON))
            break;
    }
    return hit.pt;
}

// A click as the mouse makes it: through the system's input queue.
void HardwareClick(POINT point)
{
    ::SetCursorPos(point.x, point.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
}

// Milliseconds from a click on the item's button until the item has
// changed its expanded state, a few rounds; prints the median and the worst.
void TimeClicks(const char* kind, const TreeDialog& dlg, HTREEITEM item, const std::function<void()>& click)
{
    std::vector<double> times;
    for (int round = 0; round < 20; ++round) {
        const bool expanded = dlg.IsExpanded(item);
        times.push_back(Milliseconds([&] {
            click();
            ui::WaitUntil([&] { return dlg.IsExpanded(item) != expanded; }, 10000);
        }));
    }
    std::sort(times.begin(), times.end());
    std::printf("%s click handled after (20 clicks): median %.0f ms, worst %.0f ms\n", kind, times[times.size() / 2],
                times.back());
}

void ClicksUnderChurn()
{
    TestFolder before(kFixedRoot);
    TreeDialog dlg(kFixedRoot);
    if (!WaitForWatcher(dlg))
        return;
    TestFolder area(kFixedRoot);
    // Sorted before the churn's folder, so that its row stays put.
    area.MakeFolder("Above\\Inner");
    ui::WaitUntil([&] { return dlg.Find(area.Path()) != nullptr; });
    dlg.ClickButton(dlg.Find(area.Path()));
    const HWND tree = dlg.Handle();
    const HTREEITEM target = dlg.Find(area / "Above");
    ::SetForegroundWindow(dlg.Dialog());
    const POINT client = ButtonPoint(tree, target);
    POINT button = client;
    ::ClientToScreen(tree, &button);

    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    std::string churnProgram = module;
    churnProgram.erase(churnProgram.rfind('\\'));
    ui::ChildProcess churn;
    churn.Start(churnProgram + "\\folder_churn.exe", area.Path());
    const ULONGLONG churnStart = ::GetTickCount64();
    ::Sleep(500);
    // Found before the churn: each look at the tree waits for the refresh
    // in progress.
    TimeClicks("mouse", dlg, target, [&] { HardwareClick(button); });
    TimeClicks("posted", dlg, target, [&] {
        ::PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
        ::PostMessageA(tree, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    });
    const double closing = Milliseconds([&] { dlg.Close(IDCANCEL); });
    WriteBytes(area / "stop", "");
    churn.WaitForExit();
    const double seconds = static_cast<double>(::GetTickCount64() - churnStart) / 1000.0;
    std::printf("Cancel closed the tree after %.0f ms; the churn made %lu folders in %.1f s (%.0f a second)\n",
                closing, churn.ExitCode(), seconds, churn.ExitCode() / seconds);
}

} // namespace

// With "churn", only the clicks and the close under churn.
int main(int argc, char** argv)
{
    _setmbcp(_MB_CP_ANSI);
    if (argc > 1 && std::string(argv[1]) == "churn") {
        ClicksUnderChurn();
        return 0;
    }
    OpenFiveDeep();
    ExpandFiveThousand();
    RefreshTwoHundredExpanded();
}
