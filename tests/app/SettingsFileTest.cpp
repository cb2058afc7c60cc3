// The settings file byte for byte, and a save that keeps the old one until the new one is whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFolder.h"
#include "app/SettingsFile.h"
#include "win/Handle.h"

TEST(SettingsFile, ReadsTheFolderLineThenEveryEntryLine)
{
    TestFolder home;
    const std::string path = home / "Purgox.dat";
    const std::string longEntry(4 << 20, 'x');
    const std::tuple<std::string, std::string, NameList> cases[] = {
        {"", "", {}}, {"C:\\w\\\r\n", "C:\\w\\", {}}, {"\r\n*.a\r\n", "", {"*.a"}},
        {"C:\\w\n*.A\n\n*.a", "C:\\w", {"*.A", "", "*.a"}},
        {"C:\\w\r\n" + longEntry + "\r\nソ\r\n", "C:\\w", {longEntry, "ソ"}},
        {"\x81\r\n\x82\r\n*.a\rb", "\x81", {"\x82", "*.a\rb"}},
    };
    for (const auto& [content, folder, types] : cases) {
        WriteBytes(path, content);
        Settings read;
        EXPECT_EQ(ReadSettings(path, read), 0u);
        EXPECT_EQ(std::make_pair(read.strFolder, read.arrTypes), std::make_pair(folder, types)) << folder;
    }
    Settings missing;
    EXPECT_EQ(ReadSettings(home / "none.dat", missing), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(SettingsFile, WritesEachLineWithCrLfBesideTheOldFileWhichStaysWithItsAttributesOrWhole)
{
    TestFolder home;
    const std::string path = home / "Purgox.dat";
    WriteBytes(home / "Purgox.new", "the user's");
    EXPECT_EQ(WriteSettings(path, Settings{"C:\\作業\\", {"", "*.ソ"}}), 0u);
    const std::string old = ReadBytes(path);
    EXPECT_EQ(old, "C:\\作業\\\r\n\r\n*.ソ\r\n");
    {
        const win::Handle held(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_NE(WriteSettings(path, Settings{"C:\\", {"*.new"}}), 0u);
    }
    EXPECT_EQ(ReadBytes(path), old);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(WriteSettings(path, Settings{"C:\\", {"*.new"}}), 0u);
    EXPECT_EQ(ReadBytes(path), "C:\\\r\n*.new\r\n");
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Path()), {}), 2);
    EXPECT_EQ(ReadBytes(home / "Purgox.new"), "the user's");
}
