// Times the program as users run it, through its window, against the floor
// of the walk on this platform (a walker that lists each folder once and
// deletes the same files, once more with a window on its thread) and against
// Wine's own "cmd /c del /s /q", on identical fresh trees; the side that goes
// first rotates from round to round. Also times the same entry with eleven
// more patterns that match nothing, the program's start-up, and copies of two
// real folders of this machine.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchProcess.h"
#include "BenchTree.h"
#include "ProgramRun.h"
#include "TestFolder.h"
#include "Walker.h"
#include "win/Handle.h"

namespace {

constexpr int kBaseFolders = 1001;
constexpr int kBaseRounds = 9;
constexpr int kRealRounds = 3;
constexpr int kStartUps = 5;
const char kUnmatched[] = "/*.q01/*.q02/*.q03/*.q04/*.q05/*.q06/*.q07/*.q08/*.q09/*.q10/*.q11";

// The windowed walker is the floor for a walk on a window's thread.
enum Side { kProgram, kProgramMore, kWalker, kWindowWalker, kDel, kSides };
const char* const kSideNames[kSides] = {"Purgox", "Purgox+11", "walker", "walker+window", "del"};
// This program's first argument when it runs as one of the walkers.
const char kWalkMode[] = "walk";
const char kWindowWalkMode[] = "walk-window";

std::string g_program = [] {
    std::string path = "Z:" PURGOX_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}();

std::string Self()
{
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    return self;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// What one scenario runs: which sides, with which entry.
struct Scenario {
    std::string name;
    std::string entry;
    std::vector<Side> sides;
};

struct Round {
    double seconds[kSides] = {};
    ProgramRun runs[kSides];
};

double TimeWalker(const std::string& tree, const std::string& entry, const char* mode)
{
    std::string output;
    TimeProcess("\"" + Self() + "\" " + mode + " \"" + tree + "\" \"" + entry + "\"", output);
    double seconds = -1;
    std::sscanf(output.c_str(), "%lf", &seconds);
    return seconds;
}

double TimeDel(const std::string& tree, const std::string& entry)
{
    std::string command = "cmd /c del /s /q";
    for (size_t start = 0, end; start < entry.size(); start = end + 1) {
        end = std::min(entry.find('/', start), entry.size());
        command += " \"" + tree + "\\" + entry.substr(start, end - start) + "\"";
    }
    std::string ignored;
    return TimeProcess(command, ignored);
}

// Every file below the folder, by its path from there.
void ListFiles(const std::string& folder, const std::string& prefix, std::vector<std::string>& files)
{
    WIN32_FIND_DATAA entry;
    const win::FindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
    for (bool more = bool(find); more; more = ::FindNextFileA(find.Get(), &entry)) {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(folder + "\\" + name, prefix + name + "\\", files);
        else
            files.push_back(prefix + name);
    }
}

std::vector<std::string> FilesLeft(const std::string& tree)
{
    std::vector<std::string> files;
    ListFiles(tree, "", files);
    std::sort(files.begin(), files.end());
    return files;
}

Round RunRound(const std::string& work, const std::string& model, const Scenario& scenario, int number)
{
    const size_t sides = scenario.sides.size();
    Round round;
    std::printf("  round %d:", number + 1);
    for (size_t i = 0; i < sides; ++i) {
        const Side side = scenario.sides[(static_cast<size_t>(number) + i) % sides];
        const std::string tree = work + "\\" + kSideNames[side];
        CopyTree(model, tree);
        if (side == kProgram || side == kProgramMore) {
            const std::string home = work + "\\home";
            RemoveTree(home);
            const std::string entry = scenario.entry + (side == kProgramMore ? kUnmatched : "");
            round.runs[side] = TimeProgramRun(g_program, home, tree, entry);
            round.seconds[side] = round.runs[side].seconds;
        } else {
            round.seconds[side] = side == kDel ? TimeDel(tree, scenario.entry)
                                               : TimeWalker(tree, scenario.entry,
                                                            side == kWalker ? kWalkMode : kWindowWalkMode);
        }
        std::printf(" %s %.2f s", kSideNames[side], round.seconds[side]);
    }
    const std::vector<std::string> left = FilesLeft(work + "\\" + kSideNames[kProgram]);
    std::printf("; %zu files left", left.size());
    for (Side side : scenario.sides) {
        if (side != kProgram && FilesLeft(work + "\\" + kSideNames[side]) != left)
            std::printf(", %s left others", kSideNames[side]);
        if (side == kProgram || side == kProgramMore)
            std::printf("; %s reported '%s', logged %d lines, peak %zu KiB", kSideNames[side],
                        round.runs[side].report.c_str(), round.runs[side].logLines, round.runs[side].peakKb);
        RemoveTree(work + "\\" + kSideNames[side]);
    }
    std::printf("\n");
    std::fflush(stdout);
    return round;
}

void Compare(const std::string& work, const std::string& model, const Scenario& scenario, int rounds)
{
    std::printf("%s, entry %s\n", scenario.name.c_str(), scenario.entry.c_str());
    std::vector<double> seconds[kSides];
    size_t peakKb = 0;
    for (int i = 0; i < rounds; ++i) {
        const Round round = RunRound(work, model, scenario, i);
        for (Side side : scenario.sides)
            seconds[side].push_back(round.seconds[side]);
        peakKb = std::max(peakKb, round.runs[kProgram].peakKb);
    }
    double median[kSides] = {};
    std::printf("  median of %d:", rounds);
    for (Side side : scenario.sides) {
        median[side] = Median(seconds[side]);
        std::printf(" %s %.2f s", kSideNames[side], median[side]);
    }
    std::printf("\n  Purgox / walker %.3f, Purgox / (walker+window) %.3f, Purgox / del %.3f, "
                "(Purgox+11) / Purgox %.3f; Purgox peak working set %zu KiB\n",
                median[kProgram] / median[kWalker], median[kProgram] / median[kWindowWalker],
                median[kProgram] / median[kDel], median[kProgramMore] / median[kProgram], peakKb);
    std::fflush(stdout);
    RemoveTree(work + "\\home");
}

void CompareMadeTree(const std::string& work, int folders, int rounds)
{
    const std::string model = work + "\\model";
    RemoveTree(model);
    MakeTree(model, folders);
    Compare(work, model,
            {"tree of " + std::to_string(folders) + " folders, " + std::to_string(folders * 20) + " files, " +
                 std::to_string(folders * 10) + " of them matching",
             kBuildEntry,
             {kProgram, kProgramMore, kWalker, kWindowWalker, kDel}},
            rounds);
    RemoveTree(model);
}

// Linux links in the copy would lead del out of it: they go.
void CompareRealTree(const std::string& work, const std::string& unixFolder, const std::string& entry)
{
    const std::string model = work + "\\model";
    std::string source = "Z:" + unixFolder;
    std::replace(source.begin(), source.end(), '/', '\\');
    CopyTree(source, model);
    RunLinux("find " + UnixPath(model) + " -type l -delete");
    const size_t files = FilesLeft(model).size();
    Compare(work, model,
            {"copy of " + unixFolder + " (" + std::to_string(files) + " files)", entry,
             {kProgram, kWalker, kWindowWalker, kDel}},
            kRealRounds);
    RemoveTree(model);
}

void TimeStartUps(const std::string& work)
{
    std::vector<double> seconds;
    for (int i = 0; i < kStartUps; ++i) {
        const std::string home = work + "\\start" + std::to_string(i);
        RemoveTree(home);
        seconds.push_back(TimeStartUp(g_program, home));
        RemoveTree(home);
    }
    std::printf("start-up to the visible main window, fresh folder: median of %d %.3f s (", kStartUps,
                Median(seconds));
    for (double s : seconds)
        std::printf(" %.3f", s);
    std::printf(" )\n");
    std::fflush(stdout);
}

// The first window of a session starts Wine's desktop process; let that
// happen before anything is timed.
void WarmUp()
{
    ::DestroyWindow(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    std::string ignored;
    TimeProcess("cmd /c exit", ignored);
}

} // namespace

// purgox_bench WORK-FOLDER [quick] [program=PATH]: "quick" leaves out the
// large tree and the real folders; another program (an earlier build) can
// stand in for the one built here.
int main(int argc, char** argv)
{
    const std::string mode = argc == 4 ? argv[1] : "";
    if (mode == kWalkMode || mode == kWindowWalkMode)
        return RunWalker(argv[2], argv[3], mode == kWindowWalkMode);
    if (argc < 2) {
        std::fprintf(stderr, "usage: purgox_bench WORK-FOLDER [quick] [program=PATH]\n");
        return 2;
    }
    bool quick = false;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        quick = quick || argument == "quick";
        if (argument.compare(0, 8, "program=") == 0)
            g_program = argument.substr(8);
    }
    const std::string work = argv[1];
    ::CreateDirectoryA(work.c_str(), nullptr);
    std::printf("program: %s\n", g_program.c_str());
    WarmUp();
    TimeStartUps(work);
    CompareMadeTree(work, kBaseFolders, kBaseRounds);
    if (quick)
        return 0;
    CompareMadeTree(work, kBaseFolders * 10, 1);
    CompareRealTree(work, "/usr/include", "*.h");
    CompareRealTree(work, "/usr/share/doc", "*.gz");
    return 0;
}
