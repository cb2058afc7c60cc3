#pragma once
// The main window on a thread of its own, over the test's home folder.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "DialogDriver.h"
#include "TestFolder.h"
#include "app/PurgoxDlg.h"
#include "res/resource.h"

using Lines = std::vector<std::string>;

constexpr char kReport[] = "Purgox.Exe";
constexpr char kBuildTypes[] = "*.bsc/*.idb/*.obj/*.pdb/*.exp/*.pch/*.res/*.sbr/*.aps/*.ncb/*.ilk";
constexpr char kTempTypes[] = "*.tmp/*.bak";
constexpr char kIdle[] = "eeehe eede h eeeee 閉じる(&X)";

class MainWindow : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(Close()); }

    // A warning expected before the window shows is answered first.
    ::testing::AssertionResult Open(const std::string& warning = "", const std::wstring& handed = L"")
    {
        m_thread = std::make_unique<ui::ModalThread>([folder = home.Path() + "\\", handed] {
            INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS};
            ::InitCommonControlsEx(&controls);
            return CPurgoxDlg(nullptr, folder, handed).DoModal();
        });
        if (::testing::AssertionResult warned = warning.empty() ? ::testing::AssertionSuccess() : Warns(warning); !warned)
            return warned;
        dlg = m_thread->WaitForDialog("指定ﾌｧｲﾙの一括削除");
        return dlg ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "no main window";
    }
    ::testing::AssertionResult Close()
    {
        if (m_thread)
            ui::Command(dlg, IDCANCEL);
        const bool ended = !m_thread || m_thread->Join();
        m_thread.reset();
        return ended ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "the main window stays";
    }
    HWND WaitForConfirm() const { return m_thread->WaitForDialog("ﾌｧｲﾙ削除前の確認"); }
    void Run(const std::string& folder, const std::string& entry)
    {
        ui::SetText(dlg, IDC_FOLDER, folder);
        ui::TypeText(dlg, IDC_FILETYPES, entry);
        ui::Click(dlg, IDC_RUN);
    }
    // The next message box's caption, text and icon; answered with OK.
    static ::testing::AssertionResult Box(const char* caption, const std::string& text, LPCSTR icon)
    {
        HICON shownIcon = nullptr;
        const std::string shown = ui::DismissMessageBox(caption, ::GetCurrentProcessId(), &shownIcon);
        if (shown != text || shownIcon != ::LoadIconA(nullptr, icon))
            return ::testing::AssertionFailure() << "box " << caption << " says '" << shown << "'";
        return ::testing::AssertionSuccess();
    }
    static ::testing::AssertionResult Reports(const std::string& text) { return Box(kReport, text, IDI_INFORMATION); }
    static ::testing::AssertionResult Warns(const std::string& text)
    {
        return Box(ui::kDefaultBoxCaption, text, IDI_EXCLAMATION);
    }
    // Once posted messages are taken, per control h hidden, d disabled, e
    // enabled, capital when ticked; then the close button's label.
    std::string States() const
    {
        ui::Flush(dlg);
        std::string states;
        for (int id : {IDC_FOLDER, IDC_BROWSE, IDC_FILETYPES, IDC_ADD_TYPE, IDC_REMOVE_TYPE, 0, IDC_RUN, IDCANCEL, IDC_LOG,
                       IDC_HELP_BTN, 0, IDC_ANIMATE, 0, IDC_NO_SUBFOLDERS, IDC_CONFIRM_EACH, IDC_REMOVE_EMPTY_DIRS,
                       IDC_USE_RECYCLE_BIN, IDC_NO_LOG}) {
            const HWND item = ::GetDlgItem(dlg, id);
            const char state = !id ? ' ' : !::IsWindowVisible(item) ? 'h' : ::IsWindowEnabled(item) ? 'e' : 'd';
            states += ::IsDlgButtonChecked(dlg, id) == BST_CHECKED ? static_cast<char>(state - 'a' + 'A') : state;
        }
        return states + " " + ui::GetItemText(dlg, IDCANCEL);
    }
    // The lines of a file, each of which must end in CR LF.
    static Lines ReadLines(const std::string& path)
    {
        std::string bytes = ReadBytes(path);
        Lines lines;
        for (size_t end; (end = bytes.find("\r\n")) != std::string::npos; bytes.erase(0, end + 2))
            lines.push_back(bytes.substr(0, end));
        if (!bytes.empty())
            lines.push_back(bytes + "<no CR LF>");
        return lines;
    }

    TestFolder home;
    HWND dlg = nullptr;

private:
    std::unique_ptr<ui::ModalThread> m_thread;
};
