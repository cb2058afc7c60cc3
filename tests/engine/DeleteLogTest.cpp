#include <gtest/gtest.h>

#include <regex>

#include "TestFolder.h"
#include "engine/DeleteLog.h"
#include "fsutil/ErrorText.h"
#include "win/Handle.h"

// Each run replaces the log, so a longer old one leaves nothing behind. The
// log's place may be taken by a folder or held by another program, or its
// disk may be full: Z:\dev\full takes no byte, and each line reaches the
// system as it is written, so the failure shows at the line that was lost.
TEST(DeleteLog, ShiftJisLinesEndingInCrLfAndTheSystemsCodeForEachFailure)
{
    TestFolder s;
    const std::string log = s.MakeFile("Purgox_Delete.log", std::string(5000, 'x'));
    const std::string denied = GetSystemErrorText(ERROR_ACCESS_DENIED);
    CDeleteLogFile file;
    ASSERT_EQ(file.Create(log), 0u);
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

    EXPECT_EQ(file.Create(s.MakeFolder("folder.log")), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    const win::Handle holder(::CreateFileA(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(file.Create(log), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(file.Create("Z:\\dev\\full"), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(file.WriteLog("x"), static_cast<DWORD>(ERROR_DISK_FULL));
}
