// The program itself, started from a folder of its own as a user starts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "MainWindow.h"
#include "TestFolder.h"
#include "res/resource.h"

namespace {

// The built program, as a path of the Wine drive that holds the Linux root.
std::string BuiltProgram()
{
    std::string path = "Z:" PURGOX_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace

TEST(Program, StartsBesideItsSettingsAndSavesThemOnClose)
{
    TestFolder home;
    const std::string exe = home / "Purgox.exe";
    ASSERT_TRUE(::CopyFileA(BuiltProgram().c_str(), exe.c_str(), FALSE));
    std::vector<double> startTimes;
    for (int round = 0; round < 5; ++round) {
        ui::ChildProcess program;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(program.Start(exe, home.Path()));
        const HWND dlg = ui::WaitForDialog(kMainCaption, program.Id());
        ASSERT_NE(dlg, nullptr);
        startTimes.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());

        EXPECT_EQ(ui::GetItemText(dlg, IDC_FOLDER), home.Path() + "\\");
        EXPECT_EQ(ui::GetComboItems(dlg, IDC_FILETYPES), (std::vector<std::string>{kBuildTypes, kTempTypes}));
        ui::Command(dlg, IDCANCEL);
        ASSERT_TRUE(program.WaitForExit());
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_EQ(ReadLines(home / "Purgox.dat"), (std::vector<std::string>{home.Path() + "\\", kBuildTypes, kTempTypes}));
    }
    std::sort(startTimes.begin(), startTimes.end());
    std::printf("start-up to main window: median %.0f ms (min %.0f, max %.0f)\n", startTimes[2], startTimes[0],
                startTimes[4]);
}
