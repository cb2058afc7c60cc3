// What the run must never touch, and what it must reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "ScriptedHost.h"
#include "TestFolder.h"

// Every name is the file system's own: "¥" (U+00A5) is no backslash, so
// "x¥..¥..¥victim.tmp" is a file of S; names the code page lacks are shown
// with "?". Short names never match; links and hidden, system or temporary
// folders are never entered, hidden and system files are deleted.
TEST(DeleteRunMends, EveryMatchingFileInsideTheStartFolderGoesAndNothingElse)
{
    TestFolder outside; // outlives the link to it: a dangling link is never listed
    const std::string linked = outside.MakeFile("precious.tmp");
    TestFolder root;
    const std::string victim = root.MakeFile("victim.tmp");
    const std::string s = root.MakeFolder("S");
    const std::wstring dots = L"d\u00a5..\u00a5..";
    const std::wstring names[] = {L"x\u00a5..\u00a5..\u00a5victim.tmp", dots + L"\\", dots + L"\\in.tmp", L"caf\u00e9\\",
                                  L"caf\u00e9\\\u00e9.tmp", L"\u00fc.tmp", L"\uD55C.tmp", L"\U0001F600.tmp",
                                  L"\uff46.\uff34\uff2d\uff30", L"e.\\"};
    for (const std::wstring& name : names)
        ASSERT_TRUE(MakeWide(s, name)) << ToShown(name);
    ASSERT_TRUE(MakeLink(outside.Path(), s + "\\link"));
    const Lines kept = {"app.resources", "folder.tmp\\keep.txt", "attr2\\keep.tmp", "attr4\\keep.tmp", "e\\keep.txt"};
    for (const std::string& file : kept)
        root.MakeFile("S\\" + file);
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const std::string name = "attr" + std::to_string(attribute);
        ASSERT_TRUE(::SetFileAttributesA((s + "\\" + name).c_str(), attribute));
        ::SetFileAttributesA(root.MakeFile("S\\plain\\" + name + ".tmp").c_str(), attribute);
    }
    root.MakeFile("S\\a.tmp");
    root.MakeFile("S\\b.TMP");
    const std::string locked = root.MakeFile("S\\locked.obj");
    ASSERT_TRUE(::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    RunFixture<> f;
    f.request.bRemoveEmpty = 1;
    f.Start(s + "\\", {"*.tmp ", "*.TMP", "*.obj", "locked.*", "*.res.", "*.ｔｍｐ"});
    Lines log = f.host.Events("log:");
    std::sort(log.begin(), log.end());
    Lines expected = {Failed(locked, ERROR_ACCESS_DENIED), Failed(locked, ERROR_ACCESS_DENIED)};
    for (const char* gone : {"x?..?..?victim.tmp", "d?..?..\\in.tmp", "caf?\\?.tmp", "?.tmp", "?.tmp", "a.tmp",
                             "b.TMP", "ｆ.ＴＭＰ", "plain\\attr2.tmp", "plain\\attr4.tmp"})
        expected.push_back("削除:" + s + "\\" + gone);
    expected.push_back("削除:" + s + "\\" + ToShown(L"\U0001F600.tmp"));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(log, expected);
    EXPECT_EQ(std::make_pair(f.run.m_nDeleted, f.run.m_nFailed), std::make_pair(11, 2));
    EXPECT_TRUE(PathExists(victim) && PathExists(linked));
    for (const std::string& file : kept)
        EXPECT_TRUE(PathExists(s + "\\" + file)) << file;
    EXPECT_FALSE(PathExists(s + "\\plain") || PathExists(s + "\\e."));
    EXPECT_EQ(::GetFileAttributesW((L"\\\\?\\" + ToWide(s) + L"\\" + dots).c_str()), INVALID_FILE_ATTRIBUTES);
}

// While a question waits, no folder from the start folder down to the one
// asked about can be renamed, so none can be swapped for a link to elsewhere.
// A folder swapped for one between its listing and its entry is not entered.
TEST(DeleteRunMends, TheFoldersOfTheCurrentPathAreHeldAndAFolderIsCheckedWhenEntered)
{
    TestFolder outside;
    const std::string linked = outside.MakeFile("precious.tmp");
    TestFolder root;
    root.MakeFile("S\\A\\B\\q.tmp");
    struct RenamingHost : ScriptedHost {
        Lines folders;
        std::vector<DWORD> errors;
        Confirmation Confirm(const std::string&) override
        {
            std::thread([this] {
                for (const std::string& folder : folders)
                    errors.push_back(::MoveFileA(folder.c_str(), (folder + "-moved").c_str()) ? 0 : ::GetLastError());
            }).join();
            return {IDOK, 0, 0};
        }
    };
    RunFixture<RenamingHost> f;
    f.host.folders = {root / "S", root / "S\\A", root / "S\\A\\B"};
    f.request.bConfirmEach = 1;
    f.Start(root / "S", {"*.tmp"});
    EXPECT_EQ(f.host.errors, std::vector<DWORD>(3, ERROR_SHARING_VIOLATION));
    EXPECT_EQ(f.host.Events("log:"), Lines{"削除:" + root / "S\\A\\B\\q.tmp"});

    struct SwappingHost : ScriptedHost {
        std::function<void()> swap;
        bool ListFolder(const CHeldFolder& folder, FolderEntries& entries) override
        {
            const bool listed = CSystemHost::ListFolder(folder, entries);
            if (swap)
                std::exchange(swap, nullptr)();
            return listed;
        }
    };
    RunFixture<SwappingHost> g;
    g.request.bRemoveEmpty = 1;
    const std::string inner = root.MakeFile("T\\A\\inner.tmp");
    g.host.swap = [&] {
        ::MoveFileA((root / "T\\A").c_str(), (root / "T\\moved").c_str());
        MakeLink(outside.Path(), root / "T\\A");
    };
    g.Start(root / "T", {"*.tmp"});
    EXPECT_TRUE(PathExists(linked) && PathExists(root / "T\\moved\\inner.tmp"));
    EXPECT_EQ(g.host.Events("log:"), Lines{});
}

// Inside the start folder no path is too long: 100-byte names of "ソ" (83 5C)
// seven deep.
TEST(DeleteRunMends, FilesAtAnyDepthAreDeletedLoggedWholeAndTheirFoldersEmptied)
{
    TestFolder s;
    const std::wstring name(50, L'\u30bd');
    std::string folder = s.Path();
    Lines files;
    for (int depth = 1; depth <= 7; ++depth) {
        ASSERT_TRUE(MakeWide(folder, name + L"\\"));
        folder += "\\" + ToShown(name);
        if (depth == 3 || depth == 7) {
            ASSERT_TRUE(MakeWide(folder, L"x.obj"));
            files.insert(files.begin(), folder + "\\x.obj");
        }
    }
    ASSERT_TRUE(files[1].size() > 300 && files[0].size() > 700);
    RunFixture<> f;
    f.request.bRemoveEmpty = 1;
    f.Start(s.Path(), {"*.obj"});
    EXPECT_EQ(f.host.Events("log:"), (Lines{"削除:" + files[0], "削除:" + files[1]}));
    EXPECT_FALSE(PathExists(s.Path() + "\\" + ToShown(name)));
}
