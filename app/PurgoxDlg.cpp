#include "app/PurgoxDlg.h"

#include "app/AboutDlg.h"
#include "app/HandedPath.h"
#include "app/HelpFile.h"
#include "app/SettingsFile.h"
#include "browse/DirSelectDlg.h"
#include "fsutil/ErrorText.h"
#include "fsutil/FolderCheck.h"
#include "fsutil/Listing.h"
#include "fsutil/Path.h"
#include "logview/DeleteLogDlg.h"
#include "res/resource.h"
#include "win/Format.h"

namespace {

const char kSpecName[] = "Purgox.dat";

// The controls that change what a run works on; locked while it lasts.
const int kRunInputs[] = {IDC_FOLDER,        IDC_RUN,      IDC_BROWSE,      IDC_NO_SUBFOLDERS,
                          IDC_FILETYPES,     IDC_ADD_TYPE, IDC_REMOVE_TYPE, IDC_CONFIRM_EACH};
// The controls that the animation covers while a run lasts.
const int kUnderAnimation[] = {IDC_HELP_BTN, IDC_LOG, IDC_NO_LOG};

} // namespace

CPurgoxDlg::CPurgoxDlg(HWND parent, const std::string& strHomeFolder, const std::wstring& strHandedPath)
    : win::Dialog(IDD_PURGOX_DIALOG, parent), m_strHomeFolder(strHomeFolder), m_strHandedPath(strHandedPath),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

INT_PTR CPurgoxDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam);
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_hIcon);
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    default:
        return win::Dialog::OnMessage(message, wParam, lParam);
    }
}

BOOL CPurgoxDlg::OnInitDialog()
{
    AttachItem(m_staticStatus, IDC_STATUS);
    AttachItem(m_comboTypes, IDC_FILETYPES);
    AttachItem(m_editFolder, IDC_FOLDER);
    AttachItem(m_animate, IDC_ANIMATE);
    m_host = std::make_unique<CRunHost>(Handle(), m_fileLog);
    m_run = std::make_unique<CDeleteRun>(*m_host);
    // Every stop, the user's or the run's own, makes the controls idle.
    m_run->SetStopListener([this] { UpdateRunState(); });

    char about[256] = {};
    if (::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, about, sizeof about) > 0) {
        HMENU menu = ::GetSystemMenu(Handle(), FALSE);
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about);
    }
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    std::string home = m_strHomeFolder;
    AddBackslash(home);
    m_strLogPath = home + kDeleteLogName;
    m_strSpecPath = home + kSpecName;
    m_strFolder = m_strHomeFolder;
    if (!FileExists(m_strSpecPath) || LoadSpec() != 0)
        SetDefaultTypes();

    m_editFolder.SetText(m_strFolder);
    if (!m_strHandedPath.empty())
        TakeFolder(m_strHandedPath);
    ::DragAcceptFiles(Handle(), TRUE);
    FillTypeCombo(0);
    // The dialog manager then moves the focus to the first tab stop, the
    // folder field.
    m_comboTypes.Focus();
    return TRUE;
}

bool CPurgoxDlg::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_FILETYPES:
        if (code == CBN_EDITCHANGE)
            OnTypeEditChange();
        else if (code == CBN_SELCHANGE)
            OnTypeSelChange();
        return true;
    case IDC_ADD_TYPE:
        OnAddType();
        return true;
    case IDC_REMOVE_TYPE:
        OnRemoveType();
        return true;
    case IDC_NO_SUBFOLDERS:
        OnNoSubfolders();
        return true;
    case IDC_BROWSE:
        OnBrowse();
        return true;
    case IDC_RUN:
        OnRun();
        return true;
    case IDC_LOG:
        OnShowLog();
        return true;
    case IDC_HELP_BTN:
        OnHelpButton();
        return true;
    default:
        return win::Dialog::OnCommand(id, code);
    }
}

// Enter must never close the window or start a run.
void CPurgoxDlg::OnOK() {}

void CPurgoxDlg::OnCancel()
{
    OnAddType();
    if (m_run->Cancel() == CDeleteRun::CancelAction::CloseNow)
        Close();
}

void CPurgoxDlg::Close()
{
    ReadTypeCombo();
    m_strFolder = m_editFolder.GetText();
    SaveSpec();
    QuitHelp(Handle());
    EndDialog(IDCANCEL);
}

bool CPurgoxDlg::OnSysCommand(WPARAM command)
{
    if ((command & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    CAboutDlg about(Handle());
    about.DoModal();
    return true;
}

bool CPurgoxDlg::OnPaint()
{
    if (!::IsIconic(Handle()))
        return false;
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Handle(), &paint);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client;
    ::GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(Handle(), &paint);
    return true;
}

void CPurgoxDlg::OnNoSubfolders()
{
    const bool noSubfolders = IsChecked(IDC_NO_SUBFOLDERS);
    if (noSubfolders)
        SetChecked(IDC_REMOVE_EMPTY_DIRS, false);
    Item(IDC_REMOVE_EMPTY_DIRS).Enable(!noSubfolders);
}

// Opens at the start folder as last stored, not at the text being typed.
void CPurgoxDlg::OnBrowse()
{
    CDirSelectDlg dialog("処理開始ﾌｫﾙﾀﾞの選択", m_strFolder, 1, Handle());
    if (dialog.DoModal() != IDOK)
        return;
    m_strFolder = dialog.m_strSelPath;
    m_editFolder.SetText(m_strFolder);
}

// The log stays open until an aborted walk has returned.
void CPurgoxDlg::OnShowLog()
{
    if (m_run->IsInRun())
        return;
    CDeleteLog viewer(m_strLogPath, Handle());
    viewer.DoModal();
}

void CPurgoxDlg::OnHelpButton()
{
    ShowHelp(Handle());
}

// Of several items the first counts. While a run locks the folder field, a
// drop is not taken either.
void CPurgoxDlg::OnDropFiles(HDROP drop)
{
    std::wstring first(::DragQueryFileW(drop, 0, nullptr, 0), L'\0');
    ::DragQueryFileW(drop, 0, &first[0], static_cast<UINT>(first.size() + 1));
    ::DragFinish(drop);
    if (!first.empty() && !m_run->IsRunning())
        TakeFolder(first);
}

// Taken as the tree's choice is: also where the tree opens next.
void CPurgoxDlg::TakeFolder(const std::wstring& path)
{
    const HandedFolder handed = TakeHandedPath(path);
    if (!handed.bTaken) {
        ShowWarning(handed.strText, Handle());
        return;
    }
    m_strFolder = handed.strText;
    m_editFolder.SetText(m_strFolder);
}

void CPurgoxDlg::UpdateRunState()
{
    const bool running = m_run->IsRunning();
    ::DragAcceptFiles(Handle(), !running);
    if (running)
        Item(IDC_REMOVE_EMPTY_DIRS).Enable(false);
    Item(IDCANCEL).SetText(running ? "ｷｬﾝｾﾙ(&X)" : "閉じる(&X)");
    if (!running)
        OnNoSubfolders();
    for (int id : kRunInputs)
        Item(id).Enable(!running);
    if (running) {
        for (int id : kUnderAnimation)
            Item(id).Show(false);
        m_animate.Show(true);
        m_animate.Open(::GetModuleHandleA(nullptr), IDR_DELETE_AVI);
    } else {
        m_animate.Close();
        m_animate.Show(false);
        for (int id : kUnderAnimation)
            Item(id).Show(true);
    }
}

// Whatever was read before a failure stays; the caller falls back to the
// built-in entries when no entry was read.
int CPurgoxDlg::LoadSpec()
{
    Settings settings;
    const DWORD error = ReadSettings(m_strSpecPath, settings);
    if (CheckFolder(settings.strFolder))
        m_strFolder = settings.strFolder;
    m_arrTypes = std::move(settings.arrTypes);
    if (error) {
        m_dwSpecError = error;
        ShowWarning(GetSystemErrorText(error), Handle());
        return 1;
    }
    return m_arrTypes.empty() ? 1 : 0;
}

void CPurgoxDlg::SaveSpec()
{
    if (m_dwSpecError) {
        ShowWarning(win::FormatText("設定ﾌｧｲﾙ '%s' は起動時に読めなかったため、上書きしません．"
                                    "今回の設定は保存されません．\n%s",
                                    m_strSpecPath.c_str(), GetSystemErrorText(m_dwSpecError).c_str()),
                    Handle());
        return;
    }
    if (const DWORD error = WriteSettings(m_strSpecPath, Settings{m_strFolder, m_arrTypes}))
        ShowWarning(GetSystemErrorText(error), Handle());
}
