// The status line during a run is paced: at most one text per interval, the
// last one kept.
#include <gtest/gtest.h>

#include <tuple>

#include "app/RunHost.h"

// S sets a text, shown at once or left waiting; D takes a waiting text once
// its time has come; T takes it whatever the time. "-": nothing to show.
TEST(StatusLine, PacerShowsAtMostOneTextPerIntervalAndKeepsTheLast)
{
    const std::tuple<char, ULONGLONG, const char*, const char*> steps[] = {
        {'S', 1000, "a", "a"}, {'S', 1020, "b", "-"}, {'D', 1049, "", "-"}, {'D', 1050, "", "b"},
        {'D', 1200, "", "-"},  {'S', 1230, "c", "c"}, {'S', 1240, "d", "-"}, {'S', 1245, "e", "-"},
        {'T', 1246, "", "e"},  {'T', 1247, "", "-"},  {'S', 1295, "f", "-"}, {'S', 1296, "g", "g"},
    };
    CStatusPacer pacer(50);
    for (const auto& [op, nowMs, set, expected] : steps) {
        std::string shown = set;
        const bool given = op == 'S'   ? pacer.Set(set, nowMs)
                           : op == 'T' ? pacer.Take(nowMs, shown)
                                       : pacer.TakeDue(nowMs, shown);
        EXPECT_EQ(given ? shown : "-", expected) << "at " << nowMs;
    }
}
