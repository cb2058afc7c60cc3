// The run's state: what the close button means at each step, who hears of a
// stop, and what every new run starts from.
#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "TestFolder.h"

// Steps: B Begin, S the run stops itself, C the close button, E the walk has
// returned. Trace: + begun, s stopped, l close later, n close now, c close
// after the run, - stay open; ! for each stop the window hears of.
TEST(RunState, TheCloseButtonStopsARunAndClosesOnlyOnceTheWalkHasReturned)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C", "n"}, {"BC", "+!s"}, {"BCCE", "+!slc"}, {"BSCE", "+!lc"}, {"BSSE", "+!-"}, {"BEC", "+-n"},
        {"BCCEBE", "+!slc+-"},
    };
    for (const auto& [steps, expected] : cases) {
        ScriptedHost host;
        CDeleteRun run(host);
        std::string trace;
        run.SetStopListener([&] { trace += '!'; });
        for (char step : steps) {
            if (step == 'B')
                trace += run.Begin() ? '+' : 'x';
            else if (step == 'S')
                run.Stop();
            else if (step == 'C')
                trace += "sln"[static_cast<int>(run.Cancel())];
            else
                trace += run.End() ? 'c' : '-';
        }
        EXPECT_EQ(trace, expected) << steps;
    }
}

TEST(RunState, EveryRunStartsFromZeroAndAPatternNamingAnotherFolderIsRefused)
{
    TestFolder s;
    const std::string file = s.MakeFile("sub\\x.obj");
    RunFixture<> f;
    f.run.m_nDeleted = 3;
    f.run.m_nFailed = 2;
    f.run.m_dwLogError = ERROR_DISK_FULL;
    f.Start(s.Path(), {}); // nothing is walked, nothing is left over
    EXPECT_EQ(f.run.m_nDeleted + f.run.m_nFailed, 0);
    EXPECT_EQ(f.run.m_dwLogError, 0u);
    f.run.End();
    for (const char* refused : {"..\\*.obj", "C:*", "sub\\*.obj"}) {
        f.Start(s.Path(), {"*.tmp", refused, "*.obj"});
        EXPECT_EQ(f.run.m_strRefusedPattern, refused);
        EXPECT_FALSE(f.run.IsRunning() || f.run.IsInRun());
    }
    EXPECT_TRUE(PathExists(file));
    EXPECT_EQ(f.host.pumps, 0);
}
