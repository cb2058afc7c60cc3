#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
#include "win/TextFile.h"

using win::TextFile;

// Creating truncates the old content and locks other openers out.
TEST(TextFile, WritesCrLfAndReadsEveryLineEnd)
{
    TestFolder dir;
    const std::string path = dir.MakeFile("out.txt", "old content that is longer");
    TextFile file, other;
    ASSERT_TRUE(file.Open(path, TextFile::Mode::CreateWrite));
    EXPECT_FALSE(other.Open(path, TextFile::Mode::Read));
    EXPECT_EQ(other.LastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    const std::string big(200000, 'x');
    EXPECT_TRUE(file.WriteString("一行目\n\nlone\rcr\n" + big + "\nlast"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "一行目\r\n\r\nlone\rcr\r\n" + big + "\r\nlast");

    WriteBytes(path, "a\nb\r\n" + ReadBytes(path));
    ASSERT_TRUE(file.Open(path, TextFile::Mode::Read));
    std::vector<std::string> lines;
    for (std::string line; file.ReadString(line);)
        lines.push_back(line);
    EXPECT_EQ(file.LastError(), 0u);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "一行目", "", "lone\rcr", big, "last"}));
}

// Z:\dev\full takes no byte: the failure reaches the writer, at the latest
// when the file is closed.
TEST(TextFile, AFullDiskFailsWithItsCode)
{
    TextFile full;
    ASSERT_TRUE(full.Open("Z:\\dev\\full", TextFile::Mode::CreateWrite)) << full.LastError();
    EXPECT_FALSE(full.WriteString(std::string(100000, 'x')) && full.Close());
    EXPECT_EQ(full.LastError(), static_cast<DWORD>(ERROR_DISK_FULL));
}
