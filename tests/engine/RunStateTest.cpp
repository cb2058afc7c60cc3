// What every new run starts from, and a refused run.
#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "TestFolder.h"

TEST(RunState, EveryRunStartsFromZeroAndAPatternNamingAnotherFolderIsRefused)
{
    TestFolder s;
    const std::string file = s.MakeFile("sub\\x.obj");
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    RunFixture<> f;
    f.host.logError = ERROR_DISK_FULL;
    f.Start(s.Path(), {"*.obj"});
    ASSERT_EQ(std::make_pair(f.run.m_nFailed, f.run.m_dwLogError), std::make_pair(1, DWORD{ERROR_DISK_FULL}));
    f.run.End();
    f.Start(s.Path(), {}); // nothing is walked, nothing is left over
    EXPECT_EQ(f.run.m_nDeleted + f.run.m_nFailed + static_cast<int>(f.run.m_dwLogError), 0);
    f.run.End();
    const int pumps = f.host.pumps;
    for (const char* refused : {"..\\*.obj", "C:*", "sub\\*.obj"}) {
        f.Start(s.Path(), {"*.tmp", refused, "*.obj"});
        EXPECT_EQ(f.run.m_strRefusedPattern, refused);
        EXPECT_FALSE(f.run.IsRunning() || f.run.IsInRun());
    }
    EXPECT_TRUE(PathExists(file) && f.host.pumps == pumps);
}
