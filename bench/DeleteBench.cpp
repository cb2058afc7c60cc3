// Times our deletion run against Wine's own "cmd /c del /s /q" on two
// identical trees, at two sizes, and prints the ratio and our process's peak
// working set. Each side runs in a process of its own, started the same way.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <algorithm>
#include <string>
#include <vector>

#include "engine/DeleteLog.h"
#include "engine/DeleteRun.h"
#include "engine/SystemHost.h"
#include "win/Handle.h"

namespace {

const std::vector<std::string> kPatterns = {"*.bsc", "*.idb", "*.obj", "*.pdb", "*.exp", "*.pch",
                                            "*.res", "*.sbr", "*.aps", "*.ncb", "*.ilk"};
const std::vector<std::string> kKeptExtensions = {".cpp", ".h",   ".txt", ".c",   ".rc", ".ico",
                                                  ".bmp", ".def", ".mak", ".ini", ".rs"};
constexpr int kFilesPerFolder = 20;
constexpr int kMaxDepth = 8;

// The host of the program's run, less the window: status texts go to a
// hidden static control so that they cost what they cost in the program.
class BenchHost : public CSystemHost {
public:
    BenchHost()
        : CSystemHost(nullptr),
          m_status(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr,
                                   nullptr))
    {
    }
    ~BenchHost() override { ::DestroyWindow(m_status); }
    Confirmation Confirm(const std::string&) override { return {IDOK, 0, 0}; }
    void SetStatus(const std::string& text) override { ::SetWindowTextA(m_status, text.c_str()); }
    DWORD WriteLog(const std::string& line) override { return m_log.WriteLog(line); }
    CDeleteLogFile& Log() { return m_log; }

private:
    HWND m_status;
    CDeleteLogFile m_log;
};

// The program's defaults: every option off, so logging on.
int RunDeletion(const std::string& folder, const std::string& logPath)
{
    BenchHost host;
    if (const DWORD error = host.Log().Create(logPath)) {
        std::fprintf(stderr, "cannot create the log: %lu\n", error);
        return 1;
    }
    CDeleteRun run(host);
    run.m_strFolder = folder;
    run.m_arrPatterns = kPatterns;
    run.Begin();
    run.StartDelete();
    host.Log().Close();
    PROCESS_MEMORY_COUNTERS memory{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%d %d %zu\n", run.m_nDeleted, run.m_nFailed, memory.PeakWorkingSetSize / 1024);
    return 0;
}

void MakeFile(const std::string& path)
{
    win::Handle(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

// Folders up to eight deep, each holding twenty files of which half match.
void MakeTree(const std::string& root, int folders)
{
    ::CreateDirectoryA(root.c_str(), nullptr);
    std::vector<std::pair<std::string, int>> made = {{root, 0}};
    unsigned seed = 12345;
    for (int i = 1; i < folders; ++i) {
        seed = seed * 1103515245 + 12345;
        const auto& parent = made[(seed >> 8) % made.size()];
        if (parent.second >= kMaxDepth) {
            --i;
            continue;
        }
        const std::string path = parent.first + "\\dir" + std::to_string(i);
        ::CreateDirectoryA(path.c_str(), nullptr);
        made.emplace_back(path, parent.second + 1);
    }
    for (const auto& folder : made) {
        for (int f = 0; f < kFilesPerFolder; ++f) {
            const size_t kind = static_cast<size_t>(f / 2) % kPatterns.size();
            const std::string ext = f % 2 ? kKeptExtensions[kind] : kPatterns[kind].substr(1);
            MakeFile(folder.first + "\\file" + std::to_string(f) + ext);
        }
    }
}

double Seconds(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// Runs a command line, returns its wall time and what it printed.
double TimeProcess(std::string commandLine, std::string& output)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readPipe, writePipe;
    ::CreatePipe(&readPipe, &writePipe, &inherit, 0);
    ::SetHandleInformation(readPipe, HANDLE_FLAG_INHERIT, 0);
    win::Handle reader(readPipe), writer(writePipe);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.Get();
    startup.hStdError = writer.Get();
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process))
        return -1;
    win::Handle thread(process.hThread), child(process.hProcess);
    writer.Reset();
    char buffer[4096];
    DWORD got;
    while (::ReadFile(reader.Get(), buffer, sizeof buffer, &got, nullptr) && got)
        output.append(buffer, got);
    ::WaitForSingleObject(child.Get(), INFINITE);
    return Seconds(start);
}

int CountFiles(const std::string& folder)
{
    int count = 0;
    WIN32_FIND_DATAA entry;
    win::FindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (!find)
        return 0;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            count += CountFiles(folder + "\\" + name);
        else
            ++count;
    } while (::FindNextFileA(find.Get(), &entry));
    return count;
}

void RemoveTree(const std::string& folder)
{
    std::string command = "cmd /c rmdir /s /q \"" + folder + "\"";
    std::string ignored;
    TimeProcess(command, ignored);
}

struct Round {
    double ours = 0, del = 0;
    int deleted = 0, failed = 0, leftOurs = 0, leftDel = 0, files = 0;
    size_t peakKb = 0;
};

// One round: two identical fresh trees, one deleted by each side; the side
// that goes first alternates between rounds.
Round RunRound(const std::string& work, int folders, bool delFirst)
{
    const std::string ours = work + "\\ours", theirs = work + "\\del";
    RemoveTree(ours);
    RemoveTree(theirs);
    MakeTree(ours, folders);
    MakeTree(theirs, folders);
    Round round;
    round.files = CountFiles(ours);

    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string ourCommand = std::string("\"") + self + "\" run \"" + ours + "\" \"" + work +
                                   "\\Purgox_Delete.log\"";
    std::string delCommand = "cmd /c del /s /q";
    for (const std::string& pattern : kPatterns)
        delCommand += " \"" + theirs + "\\" + pattern + "\"";
    std::string ourOutput, delOutput;
    if (delFirst)
        round.del = TimeProcess(delCommand, delOutput);
    round.ours = TimeProcess(ourCommand, ourOutput);
    if (!delFirst)
        round.del = TimeProcess(delCommand, delOutput);

    std::sscanf(ourOutput.c_str(), "%d %d %zu", &round.deleted, &round.failed, &round.peakKb);
    round.leftOurs = CountFiles(ours);
    round.leftDel = CountFiles(theirs);
    return round;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Compare(const std::string& work, int folders, int rounds)
{
    std::vector<double> ours, del;
    Round last;
    for (int i = 0; i < rounds; ++i) {
        last = RunRound(work, folders, i % 2 == 1);
        ours.push_back(last.ours);
        del.push_back(last.del);
    }
    const double ourTime = Median(ours), delTime = Median(del);
    std::printf("tree: %d folders, %d files; deleted by ours %d (failed %d); left: ours %d, del %d\n",
                folders, last.files, last.deleted, last.failed, last.leftOurs, last.leftDel);
    std::printf("  median of %d rounds: ours %.2f s, del %.2f s, ratio %.2f; "
                "our peak working set %zu KiB\n",
                rounds, ourTime, delTime, ourTime / delTime, last.peakKb);
    std::fflush(stdout);
    RemoveTree(work + "\\ours");
    RemoveTree(work + "\\del");
}

// The first window of a session starts Wine's desktop process; let that
// happen before anything is timed.
void WarmUp()
{
    ::DestroyWindow(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                    nullptr));
    std::string ignored;
    TimeProcess("cmd /c exit", ignored);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "run")
        return RunDeletion(argv[2], argv[3]);
    const bool quick = argc == 3 && std::string(argv[2]) == "quick";
    if (argc != 2 && !quick) {
        std::fprintf(stderr, "usage: purgox_bench WORK-FOLDER [quick]\n");
        return 2;
    }
    const std::string work = argv[1];
    ::CreateDirectoryA(work.c_str(), nullptr);
    WarmUp();
    Compare(work, 1001, 3);
    if (!quick)
        Compare(work, 10010, 1);
    return 0;
}
