#pragma once
// The test drives of the Wine prefix (scripts/prefix.sh): P: fixed and
// watched, R: removable, S: CD-ROM, each a folder of the build that these
// helpers change and always put back.
#include <string>

class TreeDialog;

extern const char kFixedRoot[];
extern const char kRemovableRoot[];
extern const char kCdRomRoot[];

// A fresh folder at the root of a test drive, removed with its content at
// the end.
class DriveArea {
public:
    explicit DriveArea(const std::string& root);
    ~DriveArea();
    DriveArea(const DriveArea&) = delete;
    DriveArea& operator=(const DriveArea&) = delete;

    // The full path, without a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& relative) const { return m_path + "\\" + relative; }
    // Makes the folder and those above it; answers its path.
    std::string MakeFolder(const std::string& relative) const;

private:
    std::string m_path;
};

// Puts another medium, with another volume serial, into the removable drive
// R: or the CD-ROM drive S: through Wine's mount manager (which otherwise
// keeps reporting the serial it read first); the old one goes back at the
// end.
class SwappedMedium {
public:
    explicit SwappedMedium(char letter);
    ~SwappedMedium();
    SwappedMedium(const SwappedMedium&) = delete;
    SwappedMedium& operator=(const SwappedMedium&) = delete;

private:
    char m_letter;
};

// Waits until the watcher of P:, which arms on a thread of its own, shows a
// folder made at the root; P: must be expanded.
bool WaitForWatcher(const TreeDialog& dlg);
