#pragma once
// The run's host inside the main window: the confirmation dialog, the status
// line and the delete log.
#include <string>

#include "engine/DeleteLog.h"
#include "engine/SystemHost.h"

// Paces the texts of a status line. Painting a text costs about half a
// millisecond under Wine, as much as several deletions, and a walk enters
// folders faster than anyone can read their names: a text is shown at once
// when the last one was shown at least an interval ago, else it waits for
// the next chance that comes late enough, or for Take.
class CStatusPacer {
public:
    explicit CStatusPacer(ULONGLONG intervalMs) : m_intervalMs(intervalMs) {}

    // True when the text set at this moment is to be shown now.
    bool Set(const std::string& text, ULONGLONG nowMs);
    // True, with the waiting text, when one waits and its time has come.
    bool TakeDue(ULONGLONG nowMs, std::string& text);
    // True, with the waiting text, when one waits, whatever the time.
    bool Take(ULONGLONG nowMs, std::string& text);

private:
    ULONGLONG m_intervalMs;
    ULONGLONG m_shownMs = 0;
    bool m_shownOnce = false;
    bool m_waiting = false;
    std::string m_text;
};

class CRunHost : public CSystemHost {
public:
    CRunHost(HWND dialog, CDeleteLogFile& log) : CSystemHost(dialog), m_dialog(dialog), m_log(log) {}

    Confirmation Confirm(const std::string& path) override;
    void SetStatus(const std::string& text) override;
    void PumpMessages(bool now) override;
    DWORD WriteLog(const std::string& line) override;
    // Shows the run's last status text if the line does not show it yet;
    // for the moment the walk has returned.
    void ShowStatus();

private:
    void Show(const std::string& text) const;

    HWND m_dialog;
    CDeleteLogFile& m_log;
    CStatusPacer m_status{50};
};
