#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
#include "win/TextFile.h"

using win::TextFile;

TEST(TextFile, WritesLineEndsAsCrLf)
{
    TestFolder dir;
    const std::string path = dir / "out.txt";
    TextFile file;
    ASSERT_TRUE(file.Open(path, TextFile::Mode::CreateWrite));
    EXPECT_TRUE(file.WriteString("一行目\n"));
    EXPECT_TRUE(file.WriteString("two\nthree\n"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "一行目\r\ntwo\r\nthree\r\n");
}

TEST(TextFile, CreateTruncatesAndLocksOthersOut)
{
    TestFolder dir;
    const std::string path = dir.MakeFile("out.txt", "old content that is longer");
    TextFile file;
    ASSERT_TRUE(file.Open(path, TextFile::Mode::CreateWrite));
    TextFile other;
    EXPECT_FALSE(other.Open(path, TextFile::Mode::Read));
    EXPECT_EQ(other.LastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(file.WriteString("new\n"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "new\r\n");
}

TEST(TextFile, ReadsCrLfAndLfLineEndsAndAnUnendedLastLine)
{
    TestFolder dir;
    const std::string big(200000, 'x');
    const std::string path = dir.MakeFile("in.txt", "a\r\n\r\nb\nlone\rcr\r\n" + big + "\r\nlast");
    TextFile file;
    ASSERT_TRUE(file.Open(path, TextFile::Mode::Read));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line))
        lines.push_back(line);
    EXPECT_EQ(file.LastError(), 0u);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b", "lone\rcr", big, "last"}));
}

TEST(TextFile, OpenFailureKeepsTheSystemsCode)
{
    TestFolder dir;
    TextFile file;
    EXPECT_FALSE(file.Open(dir / "missing.txt", TextFile::Mode::Read));
    EXPECT_EQ(file.LastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(file.IsOpen());
    std::string line;
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_FALSE(file.WriteString("x\n"));
}

// Z:\dev\full refuses every write with "no space": the failure must reach
// the writer, at the latest when the file is closed.
TEST(TextFile, WriteErrorsAreReportedNeverIgnored)
{
    TextFile file;
    ASSERT_TRUE(file.Open("Z:\\dev\\full", TextFile::Mode::CreateWrite)) << file.LastError();
    bool ok = true;
    for (int i = 0; i < 10000 && ok; ++i)
        ok = file.WriteString("line of text to fill the buffer\n");
    EXPECT_FALSE(ok && file.Close());
    EXPECT_EQ(file.LastError(), static_cast<DWORD>(ERROR_DISK_FULL));
}
