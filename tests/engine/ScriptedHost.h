#pragma once
// A run over the real file system, its host recording what it shows and does.
#include <functional>
#include <string>
#include <vector>

#include "engine/DeleteRun.h"
#include "engine/SystemHost.h"
#include "fsutil/ErrorText.h"
#include "fsutil/WideText.h"

using Lines = std::vector<std::string>;

inline std::string Failed(const std::string& path, DWORD code) { return "障害:" + path + " -->" + GetSystemErrorText(code); }

class ScriptedHost : public CSystemHost {
public:
    ScriptedHost() : CSystemHost(nullptr) {}

    Confirmation Confirm(const std::string&) override { return {}; }
    void SetStatus(const std::string& text) override { events.push_back("status:" + text); }
    DWORD WriteLog(const std::string& line) override
    {
        if (logError && Events("log:").size() >= failLogAfter)
            return logError;
        events.push_back("log:" + line);
        return 0;
    }
    FolderEntries ListFolder(const CHeldFolder& folder) override
    {
        events.push_back("list");
        return CSystemHost::ListFolder(folder);
    }
    DWORD RemoveFile(const std::wstring& path) override
    {
        events.push_back("delete:" + ToShown(path));
        return CSystemHost::RemoveFile(path);
    }
    void PumpMessages(bool now) override
    {
        looks += now;
        onPump(++pumps);
    }
    void Pause(DWORD milliseconds) override { pausedMs += milliseconds; }

    // The events of one kind ("status:", "log:", ...), in order.
    std::vector<std::string> Events(const std::string& kind) const
    {
        std::vector<std::string> found;
        for (const std::string& event : events)
            if (event.compare(0, kind.size(), kind) == 0)
                found.push_back(event.substr(kind.size()));
        return found;
    }

    Lines events;
    std::function<void(int)> onPump = [](int) {};
    int pumps = 0;
    // Pump points that had to look at once: before a question, at the end.
    int looks = 0;
    DWORD pausedMs = 0;
    DWORD logError = 0;
    size_t failLogAfter = 0;
};

// A run with logging on, every other option off unless set before Start.
template <typename Host = ScriptedHost>
struct RunFixture {
    Host host;
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
