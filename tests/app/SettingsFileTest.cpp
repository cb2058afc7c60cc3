// The settings file's lines read and written without a window, byte for
// byte, and a failed save that keeps the old file.
#include <gtest/gtest.h>

#include "TestFolder.h"
#include "app/SettingsFile.h"
#include "win/Handle.h"

TEST(SettingsFile, ReadsTheFolderLineThenEveryEntryLineAndHostileContentWithoutHarm)
{
    TestFolder home;
    const std::string path = home / "Purgox.dat";
    const std::string longEntry(300, 'x');
    const std::tuple<std::string, std::string, NameList> cases[] = {
        {"", "", {}},
        {"C:\\w\\\r\n", "C:\\w\\", {}},
        {"\r\n*.a\r\n", "", {"*.a"}},
        {"C:\\w\n*.A\n\n*.a", "C:\\w", {"*.A", "", "*.a"}},
        {"C:\\w\r\n" + longEntry + "\r\nソ\r\n", "C:\\w", {longEntry, "ソ"}},
    };
    for (const auto& [content, folder, types] : cases) {
        WriteBytes(path, content);
        Settings read;
        EXPECT_EQ(ReadSettings(path, read), 0u) << content;
        EXPECT_EQ(read.strFolder, folder) << content;
        EXPECT_EQ(read.arrTypes, types) << content;
    }
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>(i * 7 % 256);
    for (const std::string& content : {binary, std::string("\x81\r\n\x82\r\n\xff\xfe*.a\rb\r\n*.tmp\x81"),
                                       "C:\\" + std::string(4 << 20, 'a') + "\r\n" + std::string(4 << 20, 'b')}) {
        WriteBytes(path, content);
        Settings read;
        EXPECT_EQ(ReadSettings(path, read), 0u);
        EXPECT_FALSE(read.arrTypes.empty());
    }
    Settings missing;
    EXPECT_EQ(ReadSettings(home / "none.dat", missing), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(SettingsFile, WritesEachLineWithCrLfAndKeepsTheOldFileWhenAWriteFails)
{
    TestFolder home;
    const std::string path = home / "Purgox.dat";
    EXPECT_EQ(WriteSettings(path, Settings{"C:\\作業\\", {"", "*.ソ"}}), 0u);
    const std::string old = ReadBytes(path);
    EXPECT_EQ(old, "C:\\作業\\\r\n\r\n*.ソ\r\n");
    {
        const win::Handle held(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_NE(WriteSettings(path, Settings{"C:\\", {"*.new"}}), 0u);
    }
    EXPECT_FALSE(PathExists(home / "Purgox.new"));
    home.MakeFolder("Purgox.new");
    EXPECT_EQ(WriteSettings(path, Settings{"C:\\", {"*.new"}}), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadBytes(path), old);
    // A file at the path limit is replaced as well.
    const std::string longest = home.MakeFolder(std::string(259 - 11 - home.Path().size() - 1, 'f')) + "\\Purgox.dat";
    EXPECT_EQ(WriteSettings(longest, Settings{"C:\\", {}}), 0u);
    EXPECT_EQ(ReadBytes(longest), "C:\\\r\n");
}
