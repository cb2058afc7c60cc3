#include <gtest/gtest.h>

#include "fsutil/Path.h"

namespace {

std::string Added(std::string path)
{
    AddBackslash(path);
    return path;
}

std::string Removed(std::string path)
{
    RemoveBackslash(path);
    return path;
}

} // namespace

TEST(AddBackslash, ShapesFolderTexts)
{
    EXPECT_EQ(Added("C"), "C:\\");
    EXPECT_EQ(Added("C:"), "C:");
    EXPECT_EQ(Added(""), "");
    EXPECT_EQ(Added("abc"), "abc");
    EXPECT_EQ(Added("C:\\"), "C:\\");
    EXPECT_EQ(Added("C:\\a"), "C:\\a\\");
    EXPECT_EQ(Added("\\\\srv\\share"), "\\\\srv\\share\\");
}

// ソ is 0x83 0x5C: its trail byte is never a backslash.
TEST(AddBackslash, KatakanaSoIsOneCharacter)
{
    EXPECT_EQ(Added("C:\\ソ"), "C:\\ソ\\");
    EXPECT_EQ(Added("Cソ"), "Cソ");
    EXPECT_EQ(Added("C:\\ソ\\"), "C:\\ソ\\");
}

TEST(RemoveBackslash, RemovesOneTrailingBackslash)
{
    EXPECT_EQ(Removed("C:\\"), "C:\\");
    EXPECT_EQ(Removed("ab\\"), "ab\\");
    EXPECT_EQ(Removed("abc\\"), "abc");
    EXPECT_EQ(Removed("C:\\a\\"), "C:\\a");
    EXPECT_EQ(Removed("C:\\a\\\\"), "C:\\a\\");
    EXPECT_EQ(Removed("C:\\ソ"), "C:\\ソ");
    EXPECT_EQ(Removed("C:\\ソ\\"), "C:\\ソ");
}

TEST(PathTexts, LongTextsAreHandledWhole)
{
    const std::string folder = "C:\\" + std::string(400, 'a');
    EXPECT_EQ(Added(folder), folder + "\\");
    EXPECT_EQ(Removed(folder + "\\"), folder);
    EXPECT_EQ(GetFolderPart(folder + "\\x.txt"), folder + "\\");
}

TEST(GetFolderPart, SplitsLikeTheRuntime)
{
    EXPECT_EQ(GetFolderPart("C:\\dir\\file.txt"), "C:\\dir\\");
    EXPECT_EQ(GetFolderPart("C:\\file.txt"), "C:\\");
    EXPECT_EQ(GetFolderPart("C:file.txt"), "C:");
    EXPECT_EQ(GetFolderPart("file.txt"), "");
    EXPECT_EQ(GetFolderPart("C:\\"), "C:\\");
    EXPECT_EQ(GetFolderPart("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(GetFolderPart("C:\\aソ"), "C:\\");
    EXPECT_EQ(GetFolderPart("C:\\ソ\\x"), "C:\\ソ\\");
}

TEST(GetModuleFolder, IsTheExecutablesFolderWithBackslash)
{
    const std::string folder = GetModuleFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(folder[1], ':');
}
