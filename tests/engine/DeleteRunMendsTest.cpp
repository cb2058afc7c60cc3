// What the run must never do: follow links, match short names, follow a
// pattern into another folder, cut long paths, or go on deleting without a
// log.
#include <gtest/gtest.h>

#include <windows.h>

#include "ScriptedHost.h"
#include "TestFolder.h"
#include "fsutil/ErrorText.h"

namespace {

const NameList kBuildIntermediates = {"*.bsc", "*.idb", "*.obj", "*.pdb", "*.exp", "*.pch",
                                      "*.res", "*.sbr", "*.aps", "*.ncb", "*.ilk"};

std::string UnixPath(const std::string& windowsPath)
{
    using GetUnixName = char*(CDECL*)(const WCHAR*);
    const auto get = reinterpret_cast<GetUnixName>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = get ? get(wide.c_str()) : nullptr;
    std::string result = unix ? unix : "";
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return result;
}

// Windows programs cannot make links under Wine; the Linux side can.
void MakeLink(const std::string& target, const std::string& link)
{
    std::string command = "/bin/ln -s " + UnixPath(target) + " " + UnixPath(link);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process));
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    for (int i = 0; i < 200 && !PathExists(link); ++i)
        ::Sleep(10);
    ASSERT_TRUE(PathExists(link));
}

// A path past the A functions' limit, made through the W functions.
std::wstring Long(const std::string& path)
{
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

} // namespace

TEST(DeleteRunMends, LinkedFoldersAreNeverEntered)
{
    TestFolder outside;
    const std::string victim = outside.MakeFile("precious.obj");
    TestFolder s;
    s.MakeFolder("real");
    MakeLink(outside.Path(), s / "link");
    RunFixture f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.obj"});
    EXPECT_TRUE(PathExists(victim));
    EXPECT_EQ(f.run.m_nDeleted, 0);
    ::RemoveDirectoryA((s / "link").c_str());
    ::DeleteFileA((s / "link").c_str());
}

// A folder swapped for a link between listing and entering is caught when
// the walk enters it.
TEST(DeleteRunMends, LinkIsCheckedAgainWhenTheFolderIsEntered)
{
    TestFolder outside;
    const std::string victim = outside.MakeFile("precious.obj");
    TestFolder s;
    MakeLink(outside.Path(), s / "swapped");
    struct StaleListingHost : ScriptedHost {
        int ListSubfolders(NameList& names, const std::string& folder, NameList& refused) override
        {
            CSystemHost::ListSubfolders(names, folder, refused);
            if (names.empty() && folder.find("swapped") == std::string::npos)
                names.push_back("swapped");
            return static_cast<int>(names.size());
        }
    };
    StaleListingHost host;
    CDeleteRun run(host);
    run.m_strFolder = s.Path();
    run.m_arrPatterns = {"*.obj"};
    run.Begin();
    run.StartDelete();
    EXPECT_TRUE(PathExists(victim));
    ::RemoveDirectoryA((s / "swapped").c_str());
    ::DeleteFileA((s / "swapped").c_str());
}

TEST(DeleteRunMends, OnlyLongNamesMatch)
{
    TestFolder s;
    const std::string resources = s.MakeFile("app.resources");
    const std::string tmpl = s.MakeFile("settings.tmpl");
    const std::string obj = s.MakeFile("main.obj");
    RunFixture f;
    NameList patterns = kBuildIntermediates;
    patterns.insert(patterns.end(), {"*.tmp", "*.bak"});
    f.Start(s.Path(), patterns);
    EXPECT_TRUE(PathExists(resources));
    EXPECT_TRUE(PathExists(tmpl));
    EXPECT_FALSE(PathExists(obj));
    EXPECT_EQ(f.run.m_nDeleted, 1);
}

TEST(DeleteRunMends, PatternNamingAnotherFolderIsRefusedBeforeTheWalk)
{
    for (const char* bad : {"..\\*.obj", "C:*.obj", "sub\\*.obj"}) {
        TestFolder s;
        const std::string inside = s.MakeFile("sub\\x.obj");
        const std::string plain = s.MakeFile("y.obj");
        RunFixture f;
        f.Start(s / "sub", {"*.tmp", bad});
        EXPECT_EQ(f.run.m_strRefusedPattern, bad);
        EXPECT_TRUE(PathExists(inside));
        EXPECT_TRUE(PathExists(plain));
        EXPECT_EQ(f.host.pumps, 0) << "nothing is walked";
        EXPECT_TRUE(f.host.logLines.empty());
    }
}

TEST(DeleteRunMends, PathsBeyondTheLimitAreReportedNotCut)
{
    TestFolder s;
    // A folder whose own path fits, holding a file whose path does not, and
    // a subfolder whose path does not fit either.
    const std::string deep = s.Path() + "\\" + std::string(258 - s.Path().size() - 8, 'd');
    ASSERT_TRUE(::CreateDirectoryW(Long(deep).c_str(), nullptr));
    const std::string longFile = deep + "\\a-long-name.obj";
    const HANDLE file = ::CreateFileW(Long(longFile).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);
    const std::string longFolder = deep + "\\sub-folder-name";
    ASSERT_TRUE(::CreateDirectoryW(Long(longFolder).c_str(), nullptr));

    RunFixture f;
    f.run.m_bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.obj"});
    const std::string reason = " -->" + GetSystemErrorText(ERROR_FILENAME_EXCED_RANGE);
    EXPECT_EQ(f.host.logLines,
              (std::vector<std::string>{"障害:" + longFolder + reason, "障害:" + longFile + reason}));
    EXPECT_EQ(f.run.m_nFailed, 2);
    EXPECT_NE(::GetFileAttributesW(Long(longFile).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(::GetFileAttributesW(Long(longFolder).c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileW(Long(longFile).c_str());
    ::RemoveDirectoryW(Long(longFolder).c_str());
}

TEST(DeleteRunMends, FailedLogWriteStopsTheDeletionsAtOnce)
{
    TestFolder s;
    for (int i = 0; i < 10; ++i)
        s.MakeFile("f" + std::to_string(i) + ".tmp");
    RunFixture f;
    f.host.logError = ERROR_DISK_FULL;
    f.host.failLogAfter = 3;
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(f.run.m_dwLogError, static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_FALSE(f.run.IsRunning());
    // The fourth file was deleted but could not be logged; nothing after it.
    EXPECT_EQ(f.run.m_nDeleted, 4);
    int remaining = 0;
    for (int i = 0; i < 10; ++i)
        remaining += PathExists(s / ("f" + std::to_string(i) + ".tmp"));
    EXPECT_EQ(remaining, 6);
}
