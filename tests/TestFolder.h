#pragma once
// A fresh folder for one test, removed with all it holds at the end.
#include <string>

class TestFolder {
public:
    explicit TestFolder(const std::string& parent = "");
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_path; } // no trailing backslash
    std::string operator/(const std::string& relative) const;
    // The file (and its folders) with the given bytes.
    std::string MakeFile(const std::string& relative, const std::string& content = "") const;
    std::string MakeFolder(const std::string& relative) const;

private:
    std::string m_path;
};

// Made through the W functions: past the A functions' limit, or with a name
// the code page cannot hold; a folder when the name ends in a backslash.
bool MakeWide(const std::string& folder, const std::wstring& name);
// Where Wine keeps a file or folder on the Linux side, quoted for the shell.
std::string UnixPath(const std::string& path);
// A shell command run on the Linux side, to its end.
void RunLinux(const std::string& command);
// Made on the Linux side: Windows programs cannot make links under Wine.
bool MakeLink(const std::string& target, const std::string& link);
// The folder behind a test drive ("removable"), three levels above us.
std::string TestDriveFolder(const std::string& kind);
// A file's content, taken out of the test run's own trash (XDG_DATA_HOME).
std::string TakeFromTrash(const std::string& name);
bool PathExists(const std::string& path);
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& content);
void RemoveTree(const std::string& path);
