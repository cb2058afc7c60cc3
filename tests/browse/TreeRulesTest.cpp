// In Shift-JIS "ソ" ends in the byte 0x5C and "ヂ" in 0x61: neither a
// backslash nor a letter.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "browse/DriveWatcher.h"
#include "browse/MediaSerials.h"
#include "browse/PendingRefreshes.h"
#include "browse/TreeNames.h"
#include "win/Handle.h"

TEST(TreeRules, PathsNamesMediaAndRefreshes)
{
    for (const auto& [texts, path] : std::initializer_list<std::pair<std::vector<std::string>, std::string>>{
             {{"C:\\"}, "C:\\"},
             {{"C:\\", "Windows", "System"}, "C:\\Windows\\System"},
             {{"C:\\", "ソ", "子ソ"}, "C:\\ソ\\子ソ"}}) {
        EXPECT_EQ(ComposeItemPath(texts), path);
        std::string rest = path.substr(3);
        for (size_t i = 1; i < texts.size(); ++i)
            EXPECT_EQ(TakeFirstName(rest), texts[i]);
        EXPECT_EQ(rest, "");
    }
    for (const auto& [text, name, same] : std::initializer_list<std::tuple<const char*, const char*, bool>>{
             {"Windows", "WINDOWS", true}, {"Data", "Dat", false}, {"ａ", "Ａ", false}, {"ヂ", "ア", false},
             {"子q", "子Q", true}, {"ｶ", "ｷ", false}})
        EXPECT_EQ(IsSameName(text, name), same) << text << " " << name;
    // A medium seen first is taken, a missing or swapped one reported once.
    const DWORD a = 0x1234, b = 0x5678;
    MediaSerials media;
    for (const auto& [serial, same] : {std::pair<DWORD, bool>{kNoSerial, false}, {a, true}, {a, true}, {b, false},
                                       {b, true}, {kNoSerial, false}, {kNoSerial, false}, {a, true}})
        EXPECT_EQ(media.IsSame(17, serial), same) << std::hex << serial;
    // One refresh waits per drive; a change during a refresh posts again, and
    // so does the next change after a post that failed (the second here).
    PendingRefreshes pending;
    std::vector<int> posted;
    const auto request = [&](int drive) { pending.Request(drive, [&] { return posted.push_back(drive), posted.size() != 2; }); };
    for (int drive : {15, 15, 16, 16})
        request(drive);
    pending.Serve(15, [&] { request(15); });
    EXPECT_EQ(posted, (std::vector<int>{15, 16, 16, 15}));

    // A stop ends the watch at once, however many changes wait.
    const win::Handle stop(::CreateEventA(nullptr, TRUE, TRUE, nullptr)), change(::CreateEventA(nullptr, TRUE, TRUE, nullptr));
    int changes = 0;
    WatchChanges(stop.Get(), change.Get(), [&] { ++changes == 3 && ::ResetEvent(change.Get()); });
    EXPECT_EQ(changes, 0);
}
