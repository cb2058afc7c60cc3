#include <gtest/gtest.h>

#include <regex>

#include "TestFolder.h"
#include "engine/DeleteLog.h"
#include "fsutil/ErrorText.h"
#include "win/Handle.h"

// A longer old log leaves nothing behind, and no one reads the log while a
// run writes it. Z:\dev\full takes no byte: each line reaches the system as
// written, failing at the line that was lost.
TEST(DeleteLog, ShiftJisLinesEndingInCrLfAndTheSystemsCodeForEachFailure)
{
    TestFolder s;
    const std::string log = s.MakeFile("Purgox_Delete.log", std::string(5000, 'x'));
    const std::string denied = GetSystemErrorText(ERROR_ACCESS_DENIED);
    CDeleteLogFile file;
    ASSERT_EQ(file.Create(log), 0u);
    EXPECT_FALSE(win::Handle(::CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr)));
    for (const std::string& line : {DeletedLine("C:\\a.tmp"), FailedLine("C:\\b", denied), StoppedLine("C:\\x")})
        EXPECT_EQ(file.WriteLog(line), 0u);
    ASSERT_EQ(file.Close(), 0u);
    // 削除履歴, 削除, 障害, 中止 and the user's stop in Shift-JIS.
    const std::string bytes = ReadBytes(log);
    const std::string header = "-- Purgox.Exe  \x8d\xed\x8f\x9c\x97\x9a\x97\xf0 [";
    ASSERT_EQ(bytes.compare(0, header.size(), header), 0) << bytes;
    const std::regex stamp(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\] --\r\n)");
    EXPECT_TRUE(std::regex_match(bytes.substr(header.size(), 25), stamp)) << bytes;
    EXPECT_EQ(bytes.substr(header.size() + 25),
              "\x8d\xed\x8f\x9c:C:\\a.tmp\r\n\x8f\xe1\x8a\x51:C:\\b -->" + denied +
                  "\r\n\x92\x86\x8e\x7e:C:\\x -->\x83\x86\x81\x5b\x83\x55\x81\x5b\x82\xc9\x82\xe6\x82\xe9\x8d\xed"
                  "\x8f\x9c\x82\xcc\x92\x86\x8e\x7e\r\n");
    EXPECT_EQ(file.Create("Z:\\dev\\full"), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(file.WriteLog("x"), static_cast<DWORD>(ERROR_DISK_FULL));
}
