// What the run must never touch, and what it must reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "ScriptedHost.h"
#include "TestFolder.h"

// Every name is the file system's own: "¥" (U+00A5) is no backslash, so
// "x¥..¥..¥victim.tmp" is a file of S; names the code page lacks are shown
// with "?"; no path is too long (100-byte names of "ソ", 83 5C, seven deep).
// Short names never match; links and hidden, system or temporary folders
// are never entered, hidden and system files are deleted.
TEST(DeleteRunMends, EveryMatchingFileInsideTheStartFolderGoesAndNothingElse)
{
    TestFolder outside; // outlives the link to it: a dangling link is never listed
    TestFolder root;
    const std::string s = root.MakeFolder("S"), linked = outside.MakeFile("p.tmp"), victim = root.MakeFile("victim.tmp");
    const std::wstring dots = L"d\u00a5..\u00a5..", deep(50, L'\u30bd');
    for (const std::wstring& name : std::initializer_list<std::wstring>{L"x\u00a5..\u00a5..\u00a5victim.tmp", dots + L"\\", dots + L"\\in.tmp", L"e.\\",
                                     L"caf\u00e9\\", L"caf\u00e9\\\u00e9.tmp", L"\u00fc.tmp", L"\uD55C.tmp",
                                     L"\U0001F600.tmp", L"\uff46.\uff34\uff2d\uff30"})
        ASSERT_TRUE(MakeWide(s, name)) << ToShown(name);
    ASSERT_TRUE(MakeLink(outside.Path(), s + "\\link"));
    const Lines kept = {"app.resources", "folder.tmp\\keep.txt", "attr2\\keep.tmp", "attr4\\keep.tmp", "e\\keep.txt"};
    for (const std::string& file : kept)
        root.MakeFile("S\\" + file);
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const std::string name = "\\attr" + std::to_string(attribute);
        ASSERT_TRUE(::SetFileAttributesA((s + name).c_str(), attribute));
        ::SetFileAttributesA(root.MakeFile("S\\plain" + name + ".tmp").c_str(), attribute);
    }
    const std::string locked = root.MakeFile("S\\locked.obj");
    ASSERT_TRUE(::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    Lines expected(2, Failed(locked, ERROR_ACCESS_DENIED));
    for (const char* gone : {"x?..?..?victim.tmp", "d?..?..\\in.tmp", "caf?\\?.tmp", "?.tmp", "?.tmp", "a.tmp", "b.TMP",
                             "ｆ.ＴＭＰ", "plain\\attr2.tmp", "plain\\attr4.tmp"}) {
        expected.push_back("削除:" + s + "\\" + gone);
        if (std::string(gone).find('?') == std::string::npos)
            root.MakeFile("S\\" + std::string(gone));
    }
    expected.push_back("削除:" + s + "\\" + ToShown(L"\U0001F600.tmp"));
    // More names than one request of the listing brings.
    for (int i = 0; i < 400; ++i)
        root.MakeFile("S\\many\\" + std::string(60, 'n') + std::to_string(i) + ".txt");
    expected.push_back("削除:" + root.MakeFile("S\\many\\zz.tmp"));
    std::string folder = s;
    for (int depth = 1; depth <= 7; ++depth) {
        ASSERT_TRUE(MakeWide(folder, deep + L"\\"));
        folder += "\\" + ToShown(deep);
        if (depth == 3 || depth == 7) {
            ASSERT_TRUE(MakeWide(folder, L"x.tmp"));
            expected.push_back("削除:" + folder + "\\x.tmp");
        }
    }
    RunFixture<> f;
    f.request.bRemoveEmpty = 1;
    f.Start(s + "\\", {"*.tmp ", "*.TMP", "*.obj", "locked.*", "*.res.", "*.ｔｍｐ"});
    Lines log = f.host.Events("log:");
    std::sort(log.begin(), log.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(log, expected);
    EXPECT_EQ(std::make_pair(f.run.m_nDeleted, f.run.m_nFailed), std::make_pair(14, 2));
    EXPECT_TRUE(PathExists(victim) && PathExists(linked) && folder.size() > 700);
    for (const std::string& file : kept)
        EXPECT_TRUE(PathExists(s + "\\" + file)) << file;
    EXPECT_FALSE(PathExists(s + "\\plain") || PathExists(s + "\\e.") || PathExists(s + "\\" + ToShown(deep)));
    EXPECT_EQ(::GetFileAttributesW((L"\\\\?\\" + ToWide(s) + L"\\" + dots).c_str()), INVALID_FILE_ATTRIBUTES);
}

// While a question waits, no folder from the start folder down to the one
// asked about can be renamed, so none can be swapped for a link to elsewhere.
// A folder swapped for one between its listing and its entry is not entered.
TEST(DeleteRunMends, TheFoldersOfTheCurrentPathAreHeldAndAFolderIsCheckedWhenEntered)
{
    TestFolder outside, root;
    const std::string linked = outside.MakeFile("p.tmp"), asked = root.MakeFile("S\\A\\B\\q.tmp");
    struct RenamingHost : ScriptedHost {
        std::string root;
        std::vector<DWORD> errors;
        Confirmation Confirm(const std::string&) override
        {
            std::thread([&] {
                for (const char* folder : {"\\S", "\\S\\A", "\\S\\A\\B"})
                    errors.push_back(::MoveFileA((root + folder).c_str(), (root + folder + "-moved").c_str()) ? 0 : ::GetLastError());
            }).join();
            return {IDOK, 0, 0};
        }
    };
    RunFixture<RenamingHost> f;
    f.host.root = root.Path();
    f.request.bConfirmEach = 1;
    f.Start(root / "S", {"*.tmp"});
    EXPECT_EQ(f.host.errors, std::vector<DWORD>(3, ERROR_SHARING_VIOLATION));
    EXPECT_EQ(f.host.Events("log:"), Lines{"削除:" + asked});

    struct SwappingHost : ScriptedHost {
        std::function<void()> swap;
        FolderEntries ListFolder(const CHeldFolder& folder) override
        {
            FolderEntries entries = CSystemHost::ListFolder(folder);
            if (swap)
                std::exchange(swap, nullptr)();
            return entries;
        }
    };
    RunFixture<SwappingHost> g;
    root.MakeFile("T\\A\\inner.tmp");
    g.host.swap = [&] {
        ::MoveFileA((root / "T\\A").c_str(), (root / "T\\moved").c_str());
        MakeLink(outside.Path(), root / "T\\A");
    };
    g.Start(root / "T", {"*.tmp"});
    EXPECT_TRUE(PathExists(linked) && PathExists(root / "T\\moved\\inner.tmp") && g.host.Events("log:").empty());
}
