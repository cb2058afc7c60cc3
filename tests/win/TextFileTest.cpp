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
    TextFile file;
    ASSERT_TRUE(file.Open(path, TextFile::Mode::CreateWrite));
    TextFile other;
    EXPECT_FALSE(other.Open(path, TextFile::Mode::Read));
    EXPECT_EQ(other.LastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(other.WriteString("x\n"));
    const std::string big(200000, 'x');
    EXPECT_TRUE(file.WriteString("一行目\ntwo\n\nlone\rcr\n" + big + "\nlast"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "一行目\r\ntwo\r\n\r\nlone\rcr\r\n" + big + "\r\nlast");

    WriteBytes(path, "a\nb\r\n" + ReadBytes(path));
    ASSERT_TRUE(file.Open(path, TextFile::Mode::Read));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line))
        lines.push_back(line);
    EXPECT_EQ(file.LastError(), 0u);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "一行目", "two", "", "lone\rcr", big, "last"}));
}

// Z:\dev\full refuses every write with "no space": the failure must reach
// the writer, at the latest when the file is closed.
TEST(TextFile, FailuresKeepTheSystemsCode)
{
    TestFolder dir;
    TextFile missing;
    EXPECT_FALSE(missing.Open(dir / "missing.txt", TextFile::Mode::Read));
    EXPECT_EQ(missing.LastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    TextFile full;
    ASSERT_TRUE(full.Open("Z:\\dev\\full", TextFile::Mode::CreateWrite)) << full.LastError();
    bool ok = true;
    for (int i = 0; i < 10000 && ok; ++i)
        ok = full.WriteString("line of text to fill the buffer\n");
    EXPECT_FALSE(ok && full.Close());
    EXPECT_EQ(full.LastError(), static_cast<DWORD>(ERROR_DISK_FULL));
}
