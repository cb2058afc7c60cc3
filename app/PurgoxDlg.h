#pragma once
// The main window: start folder, file-type entry and options of a deletion
// run, the run itself with its status line and animation, and the settings
// kept in the settings file beside the executable.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/RunHost.h"
#include "engine/DeleteLog.h"
#include "engine/DeleteRun.h"
#include "fsutil/Listing.h"
#include "win/Controls.h"
#include "win/Dialog.h"

class CPurgoxDlg : public win::Dialog {
public:
    // The settings file and the delete log live in the home folder, which is
    // also the first start folder: the executable's folder for the program.
    // A handed path (the command line's) then becomes the start folder as if
    // typed.
    CPurgoxDlg(HWND parent, const std::string& strHomeFolder, const std::wstring& strHandedPath = L"");

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Main window (PurgoxDlg.cpp)
    bool OnSysCommand(WPARAM command);
    bool OnPaint();
    void OnNoSubfolders();
    void OnBrowse();
    void OnShowLog();
    void OnHelpButton();
    void OnDropFiles(HDROP drop);
    void TakeFolder(const std::wstring& path);
    void UpdateRunState();
    void Close();

    // The run (Run.cpp)
    void OnRun();
    RunRequest ReadRequest() const;
    void RefusePattern();
    bool OpenLog();
    DWORD CloseLog();
    void ReportResult();

    // File-type list (TypeCombo.cpp): m_arrTypes is the list, the combo
    // shows it.
    void SetDefaultTypes();
    void FillTypeCombo(int selected);
    void ReadTypeCombo();
    void OnAddType();
    void OnRemoveType();
    void OnTypeEditChange();
    void OnTypeSelChange();

    // Settings file (PurgoxDlg.cpp)
    int LoadSpec();
    void SaveSpec();

    std::string m_strHomeFolder;
    std::wstring m_strHandedPath;
    std::string m_strSpecPath;
    // Why a settings file that exists could not be read at start-up; such a
    // file is never written over: the stored list outlives a passing lock.
    DWORD m_dwSpecError = 0;
    std::string m_strFolder;
    NameList m_arrTypes;
    CDeleteLogFile m_fileLog;
    std::string m_strLogPath;
    // The run and its state; made when the window exists, since the run's
    // host needs it.
    std::unique_ptr<CRunHost> m_host;
    std::unique_ptr<CDeleteRun> m_run;

    win::Window m_staticStatus;
    win::ComboBox m_comboTypes;
    win::Window m_editFolder;
    win::Animate m_animate;
    HICON m_hIcon;
};
