#pragma once
// The run's host inside the main window: the confirmation dialog, the status
// line and the delete log.
#include "engine/DeleteLog.h"
#include "engine/SystemHost.h"

class CRunHost : public CSystemHost {
public:
    CRunHost(HWND dialog, CDeleteLogFile& log) : CSystemHost(dialog), m_dialog(dialog), m_log(log) {}

    Confirmation Confirm(const std::string& path) override;
    void SetStatus(const std::string& text) override;
    DWORD WriteLog(const std::string& line) override;

private:
    HWND m_dialog;
    CDeleteLogFile& m_log;
};
