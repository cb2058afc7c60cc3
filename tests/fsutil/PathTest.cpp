#include <gtest/gtest.h>

#include <windows.h>

#include "TestFolder.h"
#include "fsutil/Path.h"

// ソ is 0x83 0x5C: its trail byte is never a backslash.
TEST(PathTexts, BackslashesAndFolderPartByCharacters)
{
    const std::string lengthy = "C:\\" + std::string(400, 'a');
    const struct {
        std::string text, added, removed, folder;
    } cases[] = {
        {"C", "C:\\", "C", ""},
        {"C:\\", "C:\\", "C:\\", "C:\\"},
        {"abc\\", "abc\\", "abc", "abc\\"},
        {"C:file", "C:file", "C:file", "C:"},
        {"Cソ", "Cソ", "Cソ", ""},
        {"C:\\ソ", "C:\\ソ\\", "C:\\ソ", "C:\\"},
        {"C:\\ソ\\", "C:\\ソ\\", "C:\\ソ", "C:\\ソ\\"},
        {lengthy + "\\x", lengthy + "\\x\\", lengthy + "\\x", lengthy + "\\"},
    };
    for (const auto& c : cases) {
        std::string added = c.text, removed = c.text;
        AddBackslash(added);
        RemoveBackslash(removed);
        EXPECT_EQ(added + " " + removed + " " + GetFolderPart(c.text), c.added + " " + c.removed + " " + c.folder);
    }
}

// Run where it was built, then from a copy in a folder whose path is short in
// characters but longer than MAX_PATH in Shift-JIS bytes.
TEST(PathTexts, ModuleFolderIsTheWholeFolderOfTheExecutable)
{
    wchar_t wide[1024] = {};
    ::GetModuleFileNameW(nullptr, wide, 1024);
    char path[2048] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, nullptr);
    EXPECT_EQ(GetModuleFolder(), GetFolderPart(path));
    if (std::string(path).size() > MAX_PATH)
        return;
    TestFolder dir;
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += "ア";
    const std::wstring copy = LongPath(dir.MakeFolder(name)).substr(4) + L"\\path_test.exe";
    ASSERT_TRUE(::CopyFileW(wide, copy.c_str(), FALSE));
    EXPECT_EQ(RunTestProgram("PathTexts.ModuleFolderIsTheWholeFolderOfTheExecutable", copy), 0u);
}
