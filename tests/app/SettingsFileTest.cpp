// The settings kept in Purgox.dat: what a close writes, what a start reads,
// a failed save that keeps the old file, and hostile files.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "MainWindow.h"
#include "TestFolder.h"
#include "res/resource.h"
#include "win/Handle.h"

using Lines = std::vector<std::string>;

namespace {

struct Start {
    std::string folder;
    Lines types;
    int selected;
};

// Starts the window over the home folder, reads what it shows, closes it.
Start StartAndClose(const TestFolder& home)
{
    MainWindow main(home.Path() + "\\");
    const HWND dlg = main.Handle();
    Start start{ui::GetItemText(dlg, IDC_FOLDER), ui::GetComboItems(dlg, IDC_FILETYPES),
                ui::GetComboSel(dlg, IDC_FILETYPES)};
    ui::Command(dlg, IDCANCEL);
    EXPECT_TRUE(main.WaitForEnd());
    return start;
}

std::string SpecPath(const TestFolder& home)
{
    return home / "Purgox.dat";
}

} // namespace

TEST(SettingsFile, ClosingSavesFolderAndEntriesAndTheNextStartShowsThem)
{
    TestFolder home;
    const std::string work = home.MakeFolder("work");
    {
        MainWindow main(home.Path() + "\\");
        ui::SetText(main.Handle(), IDC_FOLDER, work);
        ui::TypeText(main.Handle(), IDC_FILETYPES, "*.zzz");
        ui::Command(main.Handle(), IDCANCEL);
        ASSERT_TRUE(main.WaitForEnd());
    }
    EXPECT_EQ(ReadLines(SpecPath(home)), (Lines{work, "*.zzz", kBuildTypes, kTempTypes}));

    const Start next = StartAndClose(home);
    EXPECT_EQ(next.folder, work);
    EXPECT_EQ(next.types, (Lines{"*.zzz", kBuildTypes, kTempTypes}));
    EXPECT_EQ(next.selected, 0);
}

TEST(SettingsFile, AFolderThatIsNoFolderIsSavedAsTypedAndIgnoredAtTheNextStart)
{
    TestFolder home;
    {
        MainWindow main(home.Path() + "\\");
        ui::SetText(main.Handle(), IDC_FOLDER, "Q:\\nowhere\\");
        ui::Command(main.Handle(), IDCANCEL);
        ASSERT_TRUE(main.WaitForEnd());
    }
    EXPECT_EQ(ReadLines(SpecPath(home))[0], "Q:\\nowhere\\");
    EXPECT_EQ(StartAndClose(home).folder, home.Path() + "\\");
}

TEST(SettingsFile, StartsFromWhatTheFileHolds)
{
    TestFolder home;
    const std::string work = home.MakeFolder("work");
    const std::string longEntry(300, 'x');
    struct Case {
        std::string content;
        std::string folder;
        Lines types;
    };
    const Case cases[] = {
        {"", home.Path() + "\\", {kBuildTypes, kTempTypes}},
        {work + "\r\n", work, {kBuildTypes, kTempTypes}},
        {"\r\n*.a\r\n", home.Path() + "\\", {"*.a"}},
        {work + "\n*.A\n*.a", work, {"*.A", "*.a"}},
        {work + "\r\n" + longEntry + "\r\n", work, {longEntry}},
    };
    for (const Case& c : cases) {
        WriteBytes(SpecPath(home), c.content);
        const Start start = StartAndClose(home);
        EXPECT_EQ(start.folder, c.folder) << c.content;
        EXPECT_EQ(start.types, c.types) << c.content;
        EXPECT_EQ(start.selected, 0) << c.content;
    }
}

TEST(SettingsFile, AnEmptyEntryIsKeptOnlyWhileItIsSelected)
{
    TestFolder home;
    const std::string work = home.MakeFolder("work");
    WriteBytes(SpecPath(home), work + "\r\n\r\n*.a\r\n");
    EXPECT_EQ(StartAndClose(home).types, (Lines{"", "*.a"}));
    EXPECT_EQ(ReadLines(SpecPath(home)), (Lines{work, "", "*.a"}));

    MainWindow main(home.Path() + "\\");
    ui::PickComboItem(main.Handle(), IDC_FILETYPES, 1);
    ui::Command(main.Handle(), IDCANCEL);
    ASSERT_TRUE(main.WaitForEnd());
    EXPECT_EQ(ReadLines(SpecPath(home)), (Lines{work, "*.a"}));
}

// A save that fails leaves the settings of the last good save in place.
TEST(SettingsFile, AFailedSaveWarnsClosesAndKeepsTheOldFile)
{
    TestFolder home;
    const std::string old = home.Path() + "\\\r\n*.old\r\n";
    {
        WriteBytes(SpecPath(home), old);
        MainWindow main(home.Path() + "\\");
        const win::Handle held(::CreateFileA(SpecPath(home).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        ui::TypeText(main.Handle(), IDC_FILETYPES, "*.new");
        ui::Command(main.Handle(), IDCANCEL);
        EXPECT_FALSE(ui::DismissMessageBox(ui::kDefaultBoxCaption).empty());
        EXPECT_TRUE(main.WaitForEnd());
    }
    EXPECT_EQ(ReadBytes(SpecPath(home)), old);
    EXPECT_FALSE(PathExists(SpecPath(home) + ".new"));

    // The new content cannot even be written.
    home.MakeFolder("Purgox.dat.new");
    MainWindow main(home.Path() + "\\");
    ui::TypeText(main.Handle(), IDC_FILETYPES, "*.new");
    ui::Command(main.Handle(), IDCANCEL);
    EXPECT_FALSE(ui::DismissMessageBox(ui::kDefaultBoxCaption).empty());
    EXPECT_TRUE(main.WaitForEnd());
    EXPECT_EQ(ReadBytes(SpecPath(home)), old);
}

TEST(SettingsFile, AHostileFileNeverStopsTheWindowFromOpening)
{
    TestFolder home;
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>(i * 7 % 256);
    std::string invalid = "\x81\r\n\x82\x20\r\n\xff\xfe\x80\r\n*.a\rb\r\n*.tmp\x81";
    std::string manyLines;
    for (int i = 0; i < 100000; ++i)
        manyLines += "*." + std::to_string(i) + "\r\n";
    std::string hugeLine = "C:\\" + std::string(4 << 20, 'a') + "\r\n" + std::string(4 << 20, 'b');
    for (const std::string* content : {&binary, &invalid, &manyLines, &hugeLine}) {
        WriteBytes(SpecPath(home), *content);
        const auto start = std::chrono::steady_clock::now();
        MainWindow main(home.Path() + "\\");
        ASSERT_NE(main.Handle(), nullptr) << content->size();
        const auto shown = std::chrono::steady_clock::now();
        EXPECT_EQ(ui::GetItemText(main.Handle(), IDC_FOLDER), home.Path() + "\\");
        EXPECT_GT(::SendMessageA(::GetDlgItem(main.Handle(), IDC_FILETYPES), CB_GETCOUNT, 0, 0), 0);
        ui::Command(main.Handle(), IDCANCEL);
        EXPECT_TRUE(main.WaitForEnd(60000));
        const auto closed = std::chrono::steady_clock::now();
        std::printf("spec file of %zu bytes: window after %.0f ms, closed after %.0f ms\n", content->size(),
                    std::chrono::duration<double, std::milli>(shown - start).count(),
                    std::chrono::duration<double, std::milli>(closed - shown).count());
    }
}
