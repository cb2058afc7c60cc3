#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
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

const std::string kLong = "C:\\" + std::string(400, 'a');

} // namespace

// ソ is 0x83 0x5C: its trail byte is never a backslash.
TEST(PathTexts, ShapeTrailingBackslashesByCharacters)
{
    struct Case {
        std::string text, added, removed;
    };
    const Case cases[] = {
        {"C", "C:\\", "C"},
        {"C:", "C:", "C:"},
        {"", "", ""},
        {"abc", "abc", "abc"},
        {"C:\\", "C:\\", "C:\\"},
        {"ab\\", "ab\\", "ab\\"},
        {"abc\\", "abc\\", "abc"},
        {"C:\\a", "C:\\a\\", "C:\\a"},
        {"C:\\a\\\\", "C:\\a\\\\", "C:\\a\\"},
        {"\\\\srv\\share", "\\\\srv\\share\\", "\\\\srv\\share"},
        {"C:\\ソ", "C:\\ソ\\", "C:\\ソ"},
        {"Cソ", "Cソ", "Cソ"},
        {"C:\\ソ\\", "C:\\ソ\\", "C:\\ソ"},
        {kLong, kLong + "\\", kLong},
        {kLong + "\\", kLong + "\\", kLong},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Added(c.text), c.added) << c.text;
        EXPECT_EQ(Removed(c.text), c.removed) << c.text;
    }
}

TEST(PathTexts, FolderPartSplitsLikeTheRuntime)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\dir\\file.txt", "C:\\dir\\"}, {"C:\\file.txt", "C:\\"}, {"C:file.txt", "C:"},
        {"file.txt", ""},                   {"C:\\", "C:\\"},         {"C:\\dir\\", "C:\\dir\\"},
        {"C:\\aソ", "C:\\"},                {"C:\\ソ\\x", "C:\\ソ\\"}, {kLong + "\\x", kLong + "\\"},
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(GetFolderPart(path), folder) << path;
}

// Run once where it was built, and once more from a copy in a folder whose
// path is short in characters but longer than MAX_PATH in Shift-JIS bytes.
TEST(PathTexts, ModuleFolderIsTheWholeFolderOfTheExecutable)
{
    wchar_t wide[1024] = {};
    ::GetModuleFileNameW(nullptr, wide, 1024);
    char path[2048] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, nullptr);
    EXPECT_EQ(GetModulePath(), path);
    EXPECT_EQ(GetModuleFolder(), GetFolderPart(path));
}

TEST(PathTexts, ModuleFolderOfAnExecutableBeyondThePathLimit)
{
    TestFolder dir;
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += "ア";
    const std::wstring folder = LongPath(dir.MakeFolder(name)).substr(4);
    const std::wstring copy = folder + L"\\path_test.exe";
    wchar_t self[1024] = {};
    ::GetModuleFileNameW(nullptr, self, 1024);
    ASSERT_TRUE(::CopyFileW(self, copy.c_str(), FALSE));
    EXPECT_EQ(RunTestProgram("PathTexts.ModuleFolderIsTheWholeFolderOfTheExecutable", copy), 0u);
}
