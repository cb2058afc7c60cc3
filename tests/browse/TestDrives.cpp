#include "TestDrives.h"

#include <windows.h>

#include <sstream>
#include <stdexcept>

#include "TestFolder.h"

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

SwappedMedium::SwappedMedium(const std::string& serial)
    : m_file(std::string(kRemovableRoot) + kSerialFile), m_saved(ReadBytes(m_file))
{
    WriteBytes(m_file, serial + "\n");
}

SwappedMedium::~SwappedMedium()
{
    WriteBytes(m_file, m_saved);
}
