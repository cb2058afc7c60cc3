#include "TestFolder.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

void MakeFolders(const std::string& path)
{
    for (size_t pos = path.find('\\', 3); pos != std::string::npos; pos = path.find('\\', pos + 1))
        ::CreateDirectoryA(path.substr(0, pos).c_str(), nullptr);
    ::CreateDirectoryA(path.c_str(), nullptr);
}

} // namespace

TestFolder::TestFolder()
{
    static int counter = 0;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::ostringstream name;
    name << temp << "purgox-test-" << ::GetCurrentProcessId() << '-' << ++counter;
    m_path = name.str();
    RemoveTree(m_path);
    MakeFolders(m_path);
    if (!PathExists(m_path))
        throw std::runtime_error("cannot create " + m_path);
}

TestFolder::~TestFolder()
{
    RemoveTree(m_path);
}

std::string TestFolder::operator/(const std::string& relative) const
{
    return m_path + "\\" + relative;
}

std::string TestFolder::MakeFile(const std::string& relative, const std::string& content) const
{
    const std::string path = *this / relative;
    const size_t slash = path.rfind('\\');
    MakeFolders(path.substr(0, slash));
    WriteBytes(path, content);
    return path;
}

std::string TestFolder::MakeFolder(const std::string& relative) const
{
    const std::string path = *this / relative;
    MakeFolders(path);
    return path;
}

bool PathExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteBytes(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            const bool isLink = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !isLink)
                RemoveTree(child);
            else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                ::RemoveDirectoryA(child.c_str());
            else
                ::DeleteFileA(child.c_str());
        } while (::FindNextFileA(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path.c_str());
}
