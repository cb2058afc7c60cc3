#include "app/SettingsFile.h"

#include "fsutil/Path.h"
#include "win/TextFile.h"

namespace {

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

// The lines go first to a name no longer than the file's own, so that a file
// that the A functions can read can also be replaced.
DWORD WriteSettings(const std::string& path, const Settings& settings)
{
    const std::string temp = ReplaceExtension(path, ".new");
    DWORD error = WriteLines(temp, settings);
    if (!error && !::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        error = ::GetLastError();
    if (error)
        ::DeleteFileA(temp.c_str());
    return error;
}
