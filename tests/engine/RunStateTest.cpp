// What every new run starts from, and a refused run.
#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "TestFolder.h"

TEST(RunState, EveryRunStartsFromZeroAndAPatternNamingAnotherFolderIsRefused)
{
    TestFolder s;
    const std::string file = s.MakeFile("sub\\x.obj");
    RunFixture<> f;
    f.run.m_nDeleted = 3;
    f.run.m_nFailed = 2;
    f.run.m_dwLogError = ERROR_DISK_FULL;
    f.Start(s.Path(), {}); // nothing is walked, nothing is left over
    EXPECT_EQ(f.run.m_nDeleted + f.run.m_nFailed + static_cast<int>(f.run.m_dwLogError), 0);
    f.run.End();
    for (const char* refused : {"..\\*.obj", "C:*", "sub\\*.obj"}) {
        f.Start(s.Path(), {"*.tmp", refused, "*.obj"});
        EXPECT_EQ(f.run.m_strRefusedPattern, refused);
        EXPECT_FALSE(f.run.IsRunning() || f.run.IsInRun());
    }
    EXPECT_TRUE(PathExists(file) && f.host.pumps == 0);
}
