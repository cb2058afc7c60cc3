// The run's state without a window: what the close button means at each
// step, who hears of a stop, and what every new run starts from.
#include <gtest/gtest.h>

#include "TestFolder.h"
#include "engine/ScriptedHost.h"

namespace {

// Plays the steps (B Begin, S the run stops itself, C the close button, E the
// walk has returned) and writes what each answered: + begun, s stopped, l
// close later, n close now, c close after the run, - stay open; ! for each
// stop the window hears of.
std::string Play(CDeleteRun& run, const std::string& steps)
{
    std::string trace;
    run.SetStopListener([&] { trace += '!'; });
    const char cancel[] = {'s', 'l', 'n'};
    for (char step : steps) {
        if (step == 'B')
            trace += run.Begin() ? '+' : 'x';
        else if (step == 'S')
            run.Stop();
        else if (step == 'C')
            trace += cancel[static_cast<int>(run.Cancel())];
        else
            trace += run.End() ? 'c' : '-';
    }
    return trace;
}

} // namespace

TEST(RunState, TheCloseButtonStopsARunAndClosesOnlyOnceTheWalkHasReturned)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C", "n"},
        {"BC", "+!s"},
        {"BCCE", "+!slc"},
        {"BSCE", "+!lc"}, // a run that stopped itself: close, not cancel
        {"BSSE", "+!-"},
        {"BEC", "+-n"},
        {"BCCEBE", "+!slc+-"},
    };
    for (const auto& [steps, trace] : cases) {
        ScriptedHost host;
        CDeleteRun run(host);
        EXPECT_EQ(Play(run, steps), trace) << steps;
    }
}

TEST(RunState, EveryRunStartsFromZeroAndAPatternNamingAnotherFolderIsRefused)
{
    ScriptedHost host;
    CDeleteRun run(host);
    run.m_nDeleted = 3;
    run.m_nFailed = 2;
    run.m_dwLogError = ERROR_DISK_FULL;
    EXPECT_TRUE(run.Begin()); // no patterns: nothing is walked, nothing is left over
    EXPECT_EQ(run.m_nDeleted + run.m_nFailed, 0);
    EXPECT_EQ(run.m_dwLogError, 0u);
    run.End();

    run.m_arrPatterns = {"*.tmp", "..\\*.obj", "C:*"};
    EXPECT_FALSE(run.Begin());
    EXPECT_EQ(run.m_strRefusedPattern, "..\\*.obj");
    EXPECT_FALSE(run.IsRunning() || run.IsInRun());
}

TEST(RunState, TheWindowHearsOfTheStopsTheRunMakesItself)
{
    TestFolder s;
    s.MakeFile("a.tmp");
    s.MakeFile("b.tmp");
    for (bool confirm : {true, false}) {
        RunFixture<> f;
        int stops = 0;
        f.run.SetStopListener([&] { stops += !f.run.IsRunning() && f.run.IsInRun(); });
        f.run.m_bConfirmEach = confirm;
        f.host.answers = {{IDCANCEL, 0, 1}};
        f.host.logError = confirm ? 0 : ERROR_DISK_FULL;
        f.Start(s.Path(), {"*.tmp"});
        EXPECT_EQ(stops, 1) << confirm;
    }
}
