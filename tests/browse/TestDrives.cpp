#include "TestDrives.h"

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "TestFolder.h"
#include "win/Handle.h"

const char kFixedRoot[] = "P:\\";
const char kRemovableRoot[] = "R:\\";
const char kCdRomRoot[] = "S:\\";

namespace {

const char kSerialFile[] = ".windows-serial";

// The build folder: the test program lives in <build>\tests\browse.
std::string BuildFolder()
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    std::string path = module;
    for (int up = 0; up < 3; ++up)
        path.erase(path.rfind('\\'));
    return path;
}

std::string DriveKind(char letter)
{
    switch (letter) {
    case 'P':
        return "fixed";
    case 'R':
        return "removable";
    case 'S':
        return "cdrom";
    default:
        throw std::invalid_argument("no test drive " + std::string(1, letter));
    }
}

// The Linux path of a folder reached through Z:.
std::string UnixPath(const std::string& path)
{
    std::string unix = path.substr(2);
    std::replace(unix.begin(), unix.end(), '\\', '/');
    return unix;
}

// Wine's mount manager extension that (re)defines a drive letter; it reads
// the new medium's serial at once.
struct UnixDrive {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};
constexpr DWORD kDefineUnixDrive = CTL_CODE(0x6d, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool MountDrive(char letter, const std::string& folder)
{
    const std::string mountPoint = UnixPath(folder);
    std::vector<char> request(sizeof(UnixDrive) + mountPoint.size() + 1);
    auto& drive = *reinterpret_cast<UnixDrive*>(request.data());
    drive.size = static_cast<ULONG>(request.size());
    drive.type = ::GetDriveTypeA((std::string(1, letter) + ":\\").c_str());
    drive.letter = static_cast<WCHAR>(std::tolower(letter));
    drive.mountPointOffset = sizeof(UnixDrive);
    std::copy(mountPoint.begin(), mountPoint.end(), request.begin() + sizeof(UnixDrive));
    const win::Handle manager(::CreateFileA("\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD returned = 0;
    return manager && ::DeviceIoControl(manager.Get(), kDefineUnixDrive, request.data(),
                                        static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
}

} // namespace

std::string DriveFolder(char letter)
{
    return BuildFolder() + "\\test-drives\\" + DriveKind(letter);
}

DriveArea::DriveArea(const std::string& root)
{
    static int counter = 0;
    std::ostringstream name;
    name << "Area" << ::GetCurrentProcessId() << '-' << ++counter;
    m_name = name.str();
    m_path = root + m_name;
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
    std::string path = m_path;
    std::istringstream parts(relative);
    for (std::string part; std::getline(parts, part, '\\');) {
        path += "\\" + part;
        ::CreateDirectoryA(path.c_str(), nullptr);
    }
    return path;
}

MediumOut::MediumOut() : m_folder(DriveFolder('R'))
{
    if (!::MoveFileA(m_folder.c_str(), (m_folder + ".out").c_str()))
        throw std::runtime_error("cannot take the medium out of R:");
}

MediumOut::~MediumOut()
{
    ::MoveFileA((m_folder + ".out").c_str(), m_folder.c_str());
}

SwappedMedium::SwappedMedium(char letter, const std::string& serial)
    : m_letter(letter), m_other(DriveFolder(letter) + "-other")
{
    ::CreateDirectoryA(m_other.c_str(), nullptr);
    WriteBytes(m_other + "\\" + kSerialFile, serial + "\n");
    if (!MountDrive(letter, m_other))
        throw std::runtime_error("cannot swap the medium of " + std::string(1, letter));
}

SwappedMedium::~SwappedMedium()
{
    MountDrive(m_letter, DriveFolder(m_letter));
    RemoveTree(m_other);
}
