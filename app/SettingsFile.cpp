#include "app/SettingsFile.h"

#include "fsutil/Path.h"
#include "win/TextFile.h"

namespace {

// Carried over from the file that is replaced. Read-only is not: such a
// file is not replaced, and the copy must stay deletable.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A name beside the file that nobody else has: the system makes the file.
DWORD CreateTempBeside(const std::string& path, std::string& temp)
{
    char name[MAX_PATH];
    if (!::GetTempFileNameA(GetFolderPart(path).c_str(), "Pgx", 0, name))
        return ::GetLastError();
    temp = name;
    return 0;
}

// The new file takes the old one's place in one rename, once it is whole.
DWORD ReplaceWith(const std::string& path, const std::string& temp)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesA(temp.c_str(), attributes & kKeptAttributes);
    if (!::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ::GetLastError();
    return 0;
}

DWORD WriteLines(const std::string& path, const Settings& settings)
{
    win::TextFile file;
    if (file.Open(path, win::TextFile::Mode::CreateWrite) && file.WriteString(settings.strFolder + "\n")) {
        for (const std::string& type : settings.arrTypes) {
            if (!file.WriteString(type + "\n"))
                break;
        }
    }
    file.Close();
    return file.LastError();
}

} // namespace

DWORD ReadSettings(const std::string& path, Settings& settings)
{
    win::TextFile file;
    std::string line;
    if (file.Open(path, win::TextFile::Mode::Read) && file.ReadString(line)) {
        settings.strFolder = line;
        while (file.ReadString(line))
            settings.arrTypes.push_back(line);
    }
    return file.LastError();
}

DWORD WriteSettings(const std::string& path, const Settings& settings)
{
    std::string temp;
    if (const DWORD error = CreateTempBeside(path, temp))
        return error;
    DWORD error = WriteLines(temp, settings);
    if (!error)
        error = ReplaceWith(path, temp);
    if (error)
        ::DeleteFileA(temp.c_str());
    return error;
}
