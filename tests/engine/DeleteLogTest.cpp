#include <gtest/gtest.h>

#include <regex>

#include "ScriptedHost.h"
#include "TestFolder.h"
#include "engine/DeleteLog.h"
#include "win/Handle.h"

namespace {

// A host whose log lines go to a real delete log file.
struct FileLogHost : ScriptedHost {
    CDeleteLogFile file;
    DWORD WriteLog(const std::string& line) override { return file.WriteLog(line); }
};

} // namespace

// Each run replaces the log: a longer old log leaves nothing behind.
TEST(DeleteLog, HeaderAndLinesByteForByte)
{
    TestFolder s;
    const std::string deleted = s.MakeFile("a.tmp");
    const std::string locked = s.MakeFile("b.tmp");
    ::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string log = s.MakeFile("log\\Purgox_Delete.log", std::string(5000, 'x'));
    RunFixture<FileLogHost> f;
    ASSERT_EQ(f.host.file.Create(log), 0u);
    f.Start(s.Path(), {"*.tmp"});
    ASSERT_EQ(f.host.file.Close(), 0u);

    const std::string bytes = ReadBytes(log);
    const std::string header = "-- Purgox.Exe  \x8d\xed\x8f\x9c\x97\x9a\x97\xf0 [";
    ASSERT_EQ(bytes.compare(0, header.size(), header), 0) << bytes;
    const std::regex stamp(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\] --\r\n)");
    EXPECT_TRUE(std::regex_match(bytes.substr(header.size(), 25), stamp)) << bytes;
    // 削除 and 障害 in Shift-JIS, the arrow, and the system's access-denied text.
    EXPECT_EQ(bytes.substr(header.size() + 25), "\x8d\xed\x8f\x9c:" + deleted + "\r\n" + "\x8f\xe1\x8a\x51:" +
                                                    locked + " -->" + GetSystemErrorText(ERROR_ACCESS_DENIED) +
                                                    "\r\n");
    // 中止 and the user's stop.
    EXPECT_EQ(StoppedLine("C:\\x"), "\x92\x86\x8e\x7e:C:\\x -->\x83\x86\x81\x5b\x83\x55\x81\x5b\x82\xc9\x82\xe6"
                                    "\x82\xe9\x8d\xed\x8f\x9c\x82\xcc\x92\x86\x8e\x7e");
}

// The log's place may be taken by a folder or held by another program, or
// its disk may be full: Z:\dev\full takes no byte, and each line reaches the
// system as it is written, so the failure shows at the line that was lost.
TEST(DeleteLog, FailuresGiveTheSystemsCode)
{
    TestFolder s;
    CDeleteLogFile file;
    EXPECT_EQ(file.Create(s.MakeFolder("Purgox_Delete.log")), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    const std::string held = s.MakeFile("held.log");
    const win::Handle holder(::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(file.Create(held), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(file.Create("Z:\\dev\\full"), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(file.WriteLog("x"), static_cast<DWORD>(ERROR_DISK_FULL));
}
