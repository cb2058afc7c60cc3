#include "app/PurgoxDlg.h"

#include "fsutil/ErrorText.h"
#include "fsutil/FolderCheck.h"
#include "win/TextFile.h"

namespace {

// Line 1 the start folder, then the entries; answers 0 or the system's
// error code.
DWORD WriteSpecFile(const std::string& path, const std::string& folder, const NameList& types)
{
    win::TextFile file;
    if (file.Open(path, win::TextFile::Mode::CreateWrite) && file.WriteString(folder + "\n")) {
        for (const std::string& type : types) {
            if (!file.WriteString(type + "\n"))
                break;
        }
    }
    file.Close();
    return file.LastError();
}

} // namespace

// Whatever could be read stays; the caller falls back to the built-in
// entries when none was read.
int CPurgoxDlg::LoadSpec()
{
    win::TextFile file;
    std::string line;
    if (file.Open(m_strSpecPath, win::TextFile::Mode::Read) && file.ReadString(line)) {
        if (CheckFolder(line))
            m_strFolder = line;
        while (file.ReadString(line))
            m_arrTypes.push_back(line);
    }
    if (const DWORD error = file.LastError()) {
        ShowWarning(GetSystemErrorText(error), Handle());
        return 1;
    }
    return m_arrTypes.empty() ? 1 : 0;
}

// The new settings are written beside the old file, which is replaced only
// when the whole write succeeded: a failed save never costs the old ones.
void CPurgoxDlg::SaveSpec()
{
    const std::string temp = m_strSpecPath + ".new";
    DWORD error = WriteSpecFile(temp, m_strFolder, m_arrTypes);
    if (!error && !::MoveFileExA(temp.c_str(), m_strSpecPath.c_str(), MOVEFILE_REPLACE_EXISTING))
        error = ::GetLastError();
    if (error) {
        ::DeleteFileA(temp.c_str());
        ShowWarning(GetSystemErrorText(error), Handle());
    }
}
