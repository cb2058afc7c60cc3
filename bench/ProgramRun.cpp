#include "ProgramRun.h"

#include <windows.h>
#include <psapi.h>

#include "BenchProcess.h"
#include "BenchTree.h"
#include "DialogDriver.h"
#include "res/resource.h"
#include "win/Handle.h"
#include "win/TextFile.h"

namespace {

const char kMainCaption[] = "指定ﾌｧｲﾙの一括削除";
const char kLogName[] = "Purgox_Delete.log";
constexpr DWORD kRunTimeoutMs = 30 * 60 * 1000;

struct BoxSearch {
    DWORD processId;
    HWND mainWindow;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<BoxSearch*>(lParam);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId != search.processId || window == search.mainWindow || !::IsWindowVisible(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

// The report (or the warning) box. While the run lasts only the main
// window's enabled state is looked at, which costs the Wine server one request
// and sends the program nothing: a sent message would be handled at the run's
// pump points and add to the time measured. The box disables its owner.
HWND WaitForReportBox(DWORD processId, HWND mainWindow)
{
    ui::WaitUntil([&] { return !::IsWindowEnabled(mainWindow); }, kRunTimeoutMs);
    BoxSearch search{processId, mainWindow, nullptr};
    ui::WaitUntil([&] {
        ::EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

size_t PeakWorkingSetKb(DWORD processId)
{
    win::Handle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    PROCESS_MEMORY_COUNTERS memory{};
    if (!process || !::GetProcessMemoryInfo(process.Get(), &memory, sizeof memory))
        return 0;
    return memory.PeakWorkingSetSize / 1024;
}

int CountLines(const std::string& path)
{
    win::TextFile file;
    if (!file.Open(path, win::TextFile::Mode::Read))
        return 0;
    int lines = 0;
    std::string line;
    while (file.ReadString(line))
        ++lines;
    return lines;
}

std::string InstallProgram(const std::string& exe, const std::string& home)
{
    ::CreateDirectoryA(home.c_str(), nullptr);
    const std::string copy = home + "\\Purgox.exe";
    ::CopyFileA(exe.c_str(), copy.c_str(), FALSE);
    return copy;
}

void CloseProgram(const ui::ChildProcess& program, HWND mainWindow)
{
    ui::Command(mainWindow, IDCANCEL);
    program.WaitForExit();
}

} // namespace

ProgramRun TimeProgramRun(const std::string& exe, const std::string& home, const std::string& tree,
                          const std::string& entry)
{
    ProgramRun run;
    ui::ChildProcess program;
    if (!program.Start(InstallProgram(exe, home), home))
        return run;
    const HWND window = ui::WaitForDialog(kMainCaption, program.Id());
    if (!window)
        return run;
    ui::SetText(window, IDC_FOLDER, tree);
    if (entry == kBuildEntry)
        ui::PickComboItem(window, IDC_FILETYPES, 0);
    else
        ui::TypeText(window, IDC_FILETYPES, entry);
    if (!ui::WaitUntil([&] { return ui::GetItemText(window, IDC_FILETYPES) == entry; }))
        return run;
    // What the window does after it first shows is not the run's.
    ::Sleep(500);
    const LARGE_INTEGER press = Now();
    ui::Click(window, IDC_RUN);
    const HWND box = WaitForReportBox(program.Id(), window);
    if (!box)
        return run;
    run.seconds = SecondsSince(press);
    run.peakKb = PeakWorkingSetKb(program.Id());
    run.report = ui::GetItemText(box, ui::kMessageBoxTextId);
    ui::Command(box, IDOK);
    ui::WaitForClose(box);
    CloseProgram(program, window);
    run.logLines = CountLines(home + "\\" + kLogName);
    return run;
}

double TimeStartUp(const std::string& exe, const std::string& home)
{
    const std::string copy = InstallProgram(exe, home);
    ui::ChildProcess program;
    const LARGE_INTEGER start = Now();
    if (!program.Start(copy, home))
        return -1;
    const HWND window = ui::WaitForDialog(kMainCaption, program.Id());
    const double seconds = window ? SecondsSince(start) : -1;
    if (window)
        CloseProgram(program, window);
    return seconds;
}
