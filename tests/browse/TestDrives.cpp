#include "TestDrives.h"

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <vector>

#include "TestFolder.h"
#include "TreeDialog.h"
#include "win/Handle.h"

const char kFixedRoot[] = "P:\\";
const char kRemovableRoot[] = "R:\\";
const char kCdRomRoot[] = "S:\\";

namespace {

// The folder of a test drive's medium in the build, reached through Z: (the
// test program lives in <build>\tests\browse).
std::string MediumFolder(char letter, const char* suffix)
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    std::string path = module;
    for (int up = 0; up < 3; ++up)
        path.erase(path.rfind('\\'));
    return path + (letter == 'R' ? "\\test-drives\\removable" : "\\test-drives\\cdrom") + suffix;
}

// Wine's mount manager request that (re)defines a drive letter; it reads
// the medium's serial at once.
struct UnixDrive {
    ULONG size, type, fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset, deviceOffset, labelOffset;
};
constexpr DWORD kDefineUnixDrive = CTL_CODE(0x6d, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool MountDrive(char letter, const std::string& medium)
{
    std::string folder = medium.substr(2);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    std::vector<char> request(sizeof(UnixDrive) + folder.size() + 1);
    auto& drive = *reinterpret_cast<UnixDrive*>(request.data());
    drive.size = static_cast<ULONG>(request.size());
    drive.type = ::GetDriveTypeA((std::string(1, letter) + ":\\").c_str());
    drive.letter = static_cast<WCHAR>(std::tolower(letter));
    drive.mountPointOffset = sizeof(UnixDrive);
    std::copy(folder.begin(), folder.end(), request.begin() + sizeof(UnixDrive));
    const win::Handle manager(::CreateFileA("\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD returned = 0;
    return manager && ::DeviceIoControl(manager.Get(), kDefineUnixDrive, request.data(),
                                        static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
}

} // namespace

DriveArea::DriveArea(const std::string& root)
{
    static int counter = 0;
    m_path = root + "Area" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter);
    RemoveTree(m_path);
    if (!::CreateDirectoryA(m_path.c_str(), nullptr))
        throw std::runtime_error("cannot create " + m_path);
}

DriveArea::~DriveArea()
{
    RemoveTree(m_path);
}

std::string DriveArea::MakeFolder(const std::string& relative) const
{
    for (size_t end = relative.find('\\'); end != std::string::npos; end = relative.find('\\', end + 1))
        ::CreateDirectoryA((*this / relative.substr(0, end)).c_str(), nullptr);
    ::CreateDirectoryA((*this / relative).c_str(), nullptr);
    return *this / relative;
}

SwappedMedium::SwappedMedium(char letter) : m_letter(letter)
{
    const std::string other = MediumFolder(letter, "-other");
    ::CreateDirectoryA(other.c_str(), nullptr);
    WriteBytes(other + "\\.windows-serial", "0badf00d\n");
    if (!MountDrive(letter, other))
        throw std::runtime_error("cannot swap the medium of " + std::string(1, letter));
}

SwappedMedium::~SwappedMedium()
{
    MountDrive(m_letter, MediumFolder(m_letter, ""));
    RemoveTree(MediumFolder(m_letter, "-other"));
}

bool WaitForWatcher(const TreeDialog& dlg)
{
    const std::string probe = kFixedRoot + std::to_string(::GetCurrentProcessId());
    bool seen = false;
    for (int attempt = 0; attempt < 20 && !seen; ++attempt) {
        ::CreateDirectoryA(probe.c_str(), nullptr);
        seen = ui::WaitUntil([&] { return dlg.Find(probe) != nullptr; }, 250);
        ::RemoveDirectoryA(probe.c_str());
    }
    return seen;
}
