// The run over the real file system, its host recording what it shows and
// does: what it must reach, what it must never touch, its stops; its log.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <thread>

#include "TestFolder.h"
#include "engine/DeleteLog.h"
#include "engine/DeleteRun.h"
#include "engine/SystemHost.h"
#include "fsutil/ErrorText.h"
#include "fsutil/WideText.h"
#include "win/Handle.h"

namespace {

using Lines = std::vector<std::string>;

std::string Failed(const std::string& path, DWORD code) { return "障害:" + path + " -->" + GetSystemErrorText(code); }

struct ScriptedHost : CSystemHost {
    ScriptedHost() : CSystemHost(nullptr) {}

    Confirmation Confirm(const std::string& path) override
    {
        asked.push_back(path);
        return onAsk(path);
    }
    void SetStatus(const std::string& text) override { status.push_back(text); }
    DWORD WriteLog(const std::string& line) override
    {
        if (logError && log.size() >= failLogAfter)
            return logError;
        log.push_back(line);
        return 0;
    }
    FolderEntries ListFolder(const CHeldFolder& folder) override
    {
        ++lists;
        FolderEntries entries = CSystemHost::ListFolder(folder);
        onList(entries);
        return entries;
    }
    DWORD RemoveFile(const std::wstring& path) override
    {
        ++deletions;
        return CSystemHost::RemoveFile(path);
    }
    void PumpMessages(bool now) override
    {
        looks += now;
        onPump(++pumps);
    }
    void Pause(DWORD milliseconds) override { pausedMs += milliseconds; }

    Lines status, log, asked;
    // Looks are the pump points that had to look at once: before a question, at the end.
    int lists = 0, deletions = 0, pumps = 0, looks = 0;
    DWORD pausedMs = 0, logError = 0;
    size_t failLogAfter = 0;
    std::function<Confirmation(const std::string&)> onAsk = [](const std::string&) { return Confirmation{}; };
    std::function<void(FolderEntries&)> onList = [](FolderEntries&) {};
    std::function<void(int)> onPump = [](int) {};
};

// A run with logging on, every other option off unless set before Start.
struct RunFixture {
    ScriptedHost host;
    CDeleteRun run{host};
    RunRequest request;

    void Start(const std::string& folder, NameList patterns)
    {
        request.strFolder = folder;
        request.arrPatterns = std::move(patterns);
        if (run.Begin(request))
            run.StartDelete();
    }
};

} // namespace

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
    RunFixture f;
    f.request.bRemoveEmpty = 1;
    f.Start(s + "\\", {"*.tmp ", "*.TMP", "*.obj", "locked.*", "*.res.", "*.ｔｍｐ"});
    Lines log = f.host.log;
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
    std::vector<DWORD> errors;
    RunFixture f;
    f.host.onAsk = [&](const std::string&) {
        std::thread([&] {
            for (const std::string& folder : {root / "S", root / "S\\A", root / "S\\A\\B"})
                errors.push_back(::MoveFileA(folder.c_str(), (folder + "-moved").c_str()) ? 0 : ::GetLastError());
        }).join();
        return Confirmation{IDOK, 0, 0};
    };
    f.request.bConfirmEach = 1;
    f.Start(root / "S", {"*.tmp"});
    EXPECT_EQ(errors, std::vector<DWORD>(3, ERROR_SHARING_VIOLATION));
    EXPECT_EQ(f.host.log, Lines{"削除:" + asked});

    RunFixture g;
    root.MakeFile("T\\A\\inner.tmp");
    g.host.onList = [&](FolderEntries&) {
        if (::MoveFileA((root / "T\\A").c_str(), (root / "T\\moved").c_str()))
            MakeLink(outside.Path(), root / "T\\A");
    };
    g.Start(root / "T", {"*.tmp"});
    EXPECT_TRUE(PathExists(linked) && PathExists(root / "T\\moved\\inner.tmp") && g.host.log.empty());
}

// Pattern by pattern: the second pattern's file is asked about first. The
// queue is looked at at once before each question and at the end.
TEST(DeleteRun, WithoutLogTheWalkNamesNoFolderAndAsksPatternByPattern)
{
    TestFolder s;
    s.MakeFile("sub\\a.tmq");
    s.MakeFile("sub\\b.tmp");
    // Nor is the file declined at the confirmation written anywhere.
    RunFixture f;
    f.host.onAsk = [](const std::string& file) { return Confirmation{file.back() == 'q' ? IDCANCEL : IDOK, 0, 0}; };
    f.request.bNoLog = 1;
    f.request.bConfirmEach = 1;
    f.Start(s.Path(), {"*.tmp", "*.tmq"});
    EXPECT_EQ(std::make_pair(f.host.status, f.host.log), std::make_pair(Lines{"ﾌｧｲﾙを削除中です..."}, Lines{}));
    EXPECT_EQ(f.host.asked, (Lines{s / "sub\\b.tmp", s / "sub\\a.tmq"}));
    EXPECT_EQ(std::make_pair(f.run.m_nDeleted, f.host.looks), std::make_pair(1, 3));
    // A pattern that would name another folder refuses the whole entry.
    f.run.End();
    for (const char* refused : {"..\\*.tmq", "C:*", "sub\\*.tmq"}) {
        f.Start(s.Path(), {"*.tmp", refused, "*.tmq"});
        EXPECT_EQ(f.run.m_strRefusedPattern, refused);
        EXPECT_FALSE(f.run.IsRunning() || f.run.IsInRun() || f.run.m_nDeleted);
    }
    EXPECT_TRUE(PathExists(s / "sub\\a.tmq") && f.host.pumps == 7);
}

// After a stop nothing more is deleted; the walk still removes emptied folders.
TEST(DeleteRun, AStopEndsTheDeletionsAtOnceButNotTheWalk)
{
    TestFolder s;
    for (int i = 0; i < 20; ++i)
        s.MakeFile("d" + std::to_string(i) + "\\f.tmp");
    s.MakeFolder("zz_empty");
    RunFixture f;
    f.request.bRemoveEmpty = 1;
    std::pair<int, size_t> atStop;
    f.host.onPump = [&](int pump) {
        if (pump != 10)
            return;
        f.run.Stop();
        atStop = {f.host.deletions, f.host.log.size()};
    };
    f.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(atStop, std::make_pair(f.host.deletions, f.host.log.size()));
    EXPECT_EQ(f.run.m_nDeleted, 4);
    EXPECT_FALSE(PathExists(s / "zz_empty"));
    EXPECT_EQ(f.host.status.size(), 22u) << "a folder entered after the stop is still named";
    EXPECT_EQ(f.host.lists, 22) << "one listing a folder";

    // The fourth file is deleted but its line is lost: nothing after it.
    RunFixture g;
    int stops = 0;
    g.run.SetStopListener([&] { stops += !g.run.IsRunning() && g.run.IsInRun(); });
    g.host.logError = ERROR_DISK_FULL;
    g.host.failLogAfter = 3;
    g.Start(s.Path(), {"*.tmp"});
    EXPECT_EQ(stops, 1) << "the window hears of the lost line";
    EXPECT_EQ(std::make_tuple(g.run.m_dwLogError, g.host.deletions, g.run.m_nDeleted),
              std::make_tuple(DWORD{ERROR_DISK_FULL}, 4, 4));
    g.run.End();
    g.Start(s.Path(), {}); // nothing is walked, nothing is left over
    EXPECT_EQ(g.run.m_nDeleted + static_cast<int>(g.run.m_dwLogError), 0);
}

// The shell knows no "\\?\" paths: a path of MAX_PATH characters, or a name
// its path rules would cut short, stays and is reported. So does a folder
// that took a listed file's place, with what it holds.
TEST(DeleteRun, RecycleModeMovesFilesToTheTrashAndPausesPerFile)
{
    TestFolder s;
    const std::string name = "recycled-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
    s.MakeFile(name, name);
    const std::string odd[] = {s.MakeFile("y.tmp "), s.MakeFile("y.tmp.")};
    const std::string longName(252 - s.Path().size(), 'L');
    ASSERT_TRUE(MakeWide(s.Path(), std::wstring(longName.begin(), longName.end()) + L"\\"));
    const std::string longest = s.MakeFile(longName + "\\a.tmp"), tooLong = s.MakeFile(longName + "\\ab.tmp");
    ASSERT_EQ(tooLong.size(), size_t{MAX_PATH});
    const std::string kept = s.MakeFile("dir.tmp\\keep.txt");
    RunFixture f;
    f.host.onList = [](FolderEntries& entries) {
        if (std::any_of(entries.begin(), entries.end(), [](const FolderEntry& e) { return e.strName == L"y.tmp."; }))
            entries.push_back({L"dir.tmp", FILE_ATTRIBUTE_ARCHIVE});
    };
    f.request.bRecycle = 1;
    f.Start(s.Path(), {"*.tmp", "y.*"});
    EXPECT_EQ(f.host.pausedMs, 600u);
    const std::string dotOrBlank = " -->名前が'.'か空白で終わるため、ごみ箱に転送できません．";
    EXPECT_EQ(f.host.log,
              (Lines{"削除:" + longest, "障害:" + tooLong + " -->ﾊﾟｽが長すぎるため、ごみ箱に転送できません．",
                     "削除:" + (s / name), "障害:" + (s / "dir.tmp") + " -->ごみ箱に転送できません．",
                     "障害:" + odd[0] + dotOrBlank, "障害:" + odd[1] + dotOrBlank}));
    EXPECT_TRUE(PathExists(kept) && PathExists(odd[0]) && PathExists(odd[1]) && PathExists(tooLong));
    EXPECT_EQ(TakeFromTrash(name) + TakeFromTrash("a.tmp"), name);
}

// A longer old log leaves nothing behind, and no one reads the log while a
// run writes it. Z:\dev\full takes no byte: each line reaches the system as
// written, failing at the line that was lost.
TEST(DeleteLog, ShiftJisLinesEndingInCrLfAndTheSystemsCodeForEachFailure)
{
    TestFolder s;
    const std::string log = s.MakeFile("Purgox_Delete.log", std::string(5000, 'x'));
    const std::string denied = GetSystemErrorText(ERROR_ACCESS_DENIED);
    CDeleteLogFile file;
    ASSERT_EQ(file.Create(log), 0u);
    EXPECT_FALSE(win::Handle(::CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr)));
    for (const std::string& line : {DeletedLine("C:\\a.tmp"), FailedLine("C:\\b", denied), StoppedLine("C:\\x")})
        EXPECT_EQ(file.WriteLog(line), 0u);
    ASSERT_EQ(file.Close(), 0u);
    // 削除履歴, 削除, 障害, 中止 and the user's stop in Shift-JIS.
    const std::string bytes = ReadBytes(log);
    const std::string header = "-- Purgox.Exe  \x8d\xed\x8f\x9c\x97\x9a\x97\xf0 [";
    ASSERT_EQ(bytes.compare(0, header.size(), header), 0) << bytes;
    const std::regex stamp(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\] --\r\n)");
    EXPECT_TRUE(std::regex_match(bytes.substr(header.size(), 25), stamp)) << bytes;
    EXPECT_EQ(bytes.substr(header.size() + 25),
              "\x8d\xed\x8f\x9c:C:\\a.tmp\r\n\x8f\xe1\x8a\x51:C:\\b -->" + denied +
                  "\r\n\x92\x86\x8e\x7e:C:\\x -->\x83\x86\x81\x5b\x83\x55\x81\x5b\x82\xc9\x82\xe6\x82\xe9\x8d\xed"
                  "\x8f\x9c\x82\xcc\x92\x86\x8e\x7e\r\n");
    EXPECT_EQ(file.Create("Z:\\dev\\full"), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(file.WriteLog("x"), static_cast<DWORD>(ERROR_DISK_FULL));
}
