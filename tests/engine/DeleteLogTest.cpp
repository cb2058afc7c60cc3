#include <gtest/gtest.h>

#include <regex>

#include "ScriptedHost.h"
#include "TestFolder.h"
#include "engine/DeleteLog.h"
#include "fsutil/ErrorText.h"

namespace {

// A host whose log lines go to a real delete log file.
struct FileLogHost : ScriptedHost {
    CDeleteLogFile file;
    DWORD WriteLog(const std::string& line) override { return file.WriteLog(line); }
};

} // namespace

TEST(DeleteLog, HeaderAndLinesByteForByte)
{
    TestFolder s;
    const std::string deleted = s.MakeFile("a.tmp");
    const std::string locked = s.MakeFile("b.tmp");
    ::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string log = s / "log\\Purgox_Delete.log";
    s.MakeFolder("log");

    FileLogHost host;
    ASSERT_EQ(host.file.Create(log), 0u);
    CDeleteRun run(host);
    run.m_strFolder = s.Path();
    run.m_arrPatterns = {"*.tmp"};
    run.Begin();
    run.StartDelete();
    ASSERT_EQ(host.file.Close(), 0u);

    const std::string bytes = ReadBytes(log);
    const std::string header = "-- Purgox.Exe  \x8d\xed\x8f\x9c\x97\x9a\x97\xf0 [";
    ASSERT_EQ(bytes.compare(0, header.size(), header), 0) << bytes;
    const std::regex stamp(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\] --\r\n)");
    EXPECT_TRUE(std::regex_search(bytes.substr(header.size(), 25), stamp)) << bytes;
    const std::string entries = bytes.substr(header.size() + 25);
    // 削除 and 障害 in Shift-JIS, the arrow, and the system's access-denied text.
    EXPECT_EQ(entries, "\x8d\xed\x8f\x9c:" + deleted + "\r\n" + "\x8f\xe1\x8a\x51:" + locked +
                           " -->" + GetSystemErrorText(ERROR_ACCESS_DENIED) + "\r\n");
}

TEST(DeleteLog, EachRunReplacesTheLog)
{
    TestFolder s;
    const std::string log = s.MakeFile("Purgox_Delete.log", std::string(5000, 'x'));
    CDeleteLogFile file;
    ASSERT_EQ(file.Create(log), 0u);
    ASSERT_EQ(file.Close(), 0u);
    const std::string bytes = ReadBytes(log);
    EXPECT_EQ(bytes.size(), 50u) << "header line alone";
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

// The log's place may be taken by a folder, or held by another program.
TEST(DeleteLog, CreateFailureGivesTheSystemsCode)
{
    TestFolder s;
    const std::string log = s.MakeFolder("Purgox_Delete.log");
    CDeleteLogFile file;
    EXPECT_NE(file.Create(log), 0u);
    EXPECT_FALSE(file.IsOpen());

    const std::string held = s.MakeFile("held.log");
    const HANDLE holder = ::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    CDeleteLogFile second;
    EXPECT_EQ(second.Create(held), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    ::CloseHandle(holder);
}

// Z:\dev\full takes no byte: each line reaches the system as it is written,
// so the failure shows at the line that was lost, not a buffer later.
TEST(DeleteLog, FullDiskShowsAtTheFirstLine)
{
    CDeleteLogFile file;
    EXPECT_EQ(file.Create("Z:\\dev\\full"), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(file.WriteLog("削除:C:\\x.tmp"), static_cast<DWORD>(ERROR_DISK_FULL));
}
