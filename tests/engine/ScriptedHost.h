#pragma once
// A run host over the real file system that records what the run shows and
// writes, and answers confirmations from a script.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/DeleteRun.h"
#include "engine/SystemHost.h"

class ScriptedHost : public CSystemHost {
public:
    ScriptedHost() : CSystemHost(nullptr) {}

    Confirmation Confirm(const std::string& path) override
    {
        events.push_back("confirm:" + path);
        Confirmation answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    }
    void SetStatus(const std::string& text) override { events.push_back("status:" + text); }
    DWORD WriteLog(const std::string& line) override
    {
        if (logError && logLines.size() >= failLogAfter)
            return logError;
        logLines.push_back(line);
        events.push_back("log:" + line);
        return 0;
    }
    void RemoveFolder(const std::string& path) override
    {
        CSystemHost::RemoveFolder(path);
        if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            events.push_back("removed:" + path);
    }
    void PumpMessage() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    void Pause(DWORD milliseconds) override
    {
        pausedMs += milliseconds;
        CSystemHost::Pause(milliseconds);
    }

    std::deque<Confirmation> answers;
    std::vector<std::string> events;
    std::vector<std::string> logLines;
    std::function<void(int)> onPump;
    int pumps = 0;
    DWORD pausedMs = 0;
    DWORD logError = 0;
    size_t failLogAfter = 0;
};

// A run over the folder with the given patterns; logging on, every other
// option off.
struct RunFixture {
    ScriptedHost host;
    CDeleteRun run{host};

    void Start(const std::string& folder, NameList patterns)
    {
        run.m_strFolder = folder;
        run.m_arrPatterns = std::move(patterns);
        if (run.Begin())
            run.StartDelete();
    }
};
