// Times the program as users run it, through its window, against the floor
// of its algorithm on this platform (a walker with the same listings, pump
// points and deletions and nothing else, once more with a window on its
// thread) and against Wine's own "cmd /c del /s /q", on identical fresh
// trees; the side that goes first rotates from round to round. Also times
// the program's start-up.
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

namespace {

constexpr int kBaseFolders = 1001;
constexpr int kBaseRounds = 9;
constexpr int kStartUps = 5;

// The windowed walker is the floor for a walk on a window's thread.
enum Side { kProgram, kWalker, kWindowWalker, kDel, kSides };
const char* const kSideNames[kSides] = {"Purgox", "walker", "walker+window", "del"};
// This program's first argument when it runs as one of the walkers.
const char kWalkMode[] = "walk";
const char kWindowWalkMode[] = "walk-window";

std::string BuiltProgram()
{
    std::string path = "Z:" PURGOX_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

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

struct Round {
    double seconds[kSides] = {};
    int left[kSides] = {};
    ProgramRun program;
};

double TimeWalker(const std::string& tree, const char* mode)
{
    std::string output;
    TimeProcess("\"" + Self() + "\" " + mode + " \"" + tree + "\"", output);
    double seconds = -1;
    std::sscanf(output.c_str(), "%lf", &seconds);
    return seconds;
}

double TimeDel(const std::string& tree)
{
    std::string command = "cmd /c del /s /q";
    for (const std::string& pattern : kBuildPatterns)
        command += " \"" + tree + "\\" + pattern + "\"";
    std::string ignored;
    return TimeProcess(command, ignored);
}

Round RunRound(const std::string& work, const std::string& model, int number)
{
    std::string trees[kSides];
    for (int side = 0; side < kSides; ++side) {
        trees[side] = work + "\\" + kSideNames[side];
        CopyTree(model, trees[side]);
    }
    const std::string home = work + "\\home";
    RemoveTree(home);
    Round round;
    std::printf("  round %d:", number + 1);
    for (int i = 0; i < kSides; ++i) {
        const int side = (number + i) % kSides;
        if (side == kProgram) {
            round.program = TimeProgramRun(BuiltProgram(), home, trees[side]);
            round.seconds[side] = round.program.seconds;
        } else {
            const char* mode = side == kWalker ? kWalkMode : kWindowWalkMode;
            round.seconds[side] = side == kDel ? TimeDel(trees[side]) : TimeWalker(trees[side], mode);
        }
        std::printf(" %s %.2f s", kSideNames[side], round.seconds[side]);
    }
    for (int side = 0; side < kSides; ++side)
        round.left[side] = CountFiles(trees[side]);
    int reported = -1;
    std::sscanf(round.program.report.c_str(), "%d", &reported);
    std::printf("; files left %d/%d/%d/%d; Purgox reported %d deleted, logged %d lines, peak %zu KiB\n",
                round.left[kProgram], round.left[kWalker], round.left[kWindowWalker], round.left[kDel], reported,
                round.program.logLines, round.program.peakKb);
    std::fflush(stdout);
    return round;
}

void Compare(const std::string& work, int folders, int rounds)
{
    std::printf("tree: %d folders, %d files, %d of them matching\n", folders, folders * 20, folders * 10);
    const std::string model = work + "\\model";
    RemoveTree(model);
    MakeTree(model, folders);
    std::vector<double> seconds[kSides];
    size_t peakKb = 0;
    for (int i = 0; i < rounds; ++i) {
        const Round round = RunRound(work, model, i);
        for (int side = 0; side < kSides; ++side)
            seconds[side].push_back(round.seconds[side]);
        peakKb = std::max(peakKb, round.program.peakKb);
    }
    double median[kSides];
    for (int side = 0; side < kSides; ++side)
        median[side] = Median(seconds[side]);
    std::printf("  median of %d: Purgox %.2f s, walker %.2f s, walker+window %.2f s, del %.2f s; Purgox/walker %.3f, "
                "Purgox/(walker+window) %.3f, Purgox/del %.3f; Purgox peak working set %zu KiB\n",
                rounds, median[kProgram], median[kWalker], median[kWindowWalker], median[kDel],
                median[kProgram] / median[kWalker], median[kProgram] / median[kWindowWalker],
                median[kProgram] / median[kDel], peakKb);
    std::fflush(stdout);
    for (int side = 0; side < kSides; ++side)
        RemoveTree(work + "\\" + kSideNames[side]);
    RemoveTree(work + "\\home");
    RemoveTree(model);
}

void TimeStartUps(const std::string& work)
{
    std::vector<double> seconds;
    for (int i = 0; i < kStartUps; ++i) {
        const std::string home = work + "\\start" + std::to_string(i);
        RemoveTree(home);
        seconds.push_back(TimeStartUp(BuiltProgram(), home));
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
    ::DestroyWindow(
        ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    std::string ignored;
    TimeProcess("cmd /c exit", ignored);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode == kWalkMode || mode == kWindowWalkMode)
        return RunWalker(argv[2], mode == kWindowWalkMode);
    const bool quick = argc == 3 && std::string(argv[2]) == "quick";
    if (argc != 2 && !quick) {
        std::fprintf(stderr, "usage: purgox_bench WORK-FOLDER [quick]\n");
        return 2;
    }
    const std::string work = argv[1];
    ::CreateDirectoryA(work.c_str(), nullptr);
    WarmUp();
    TimeStartUps(work);
    Compare(work, kBaseFolders, kBaseRounds);
    if (!quick)
        Compare(work, kBaseFolders * 10, 1);
    return 0;
}
