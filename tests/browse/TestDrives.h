#pragma once
// The test drives of the Wine prefix (scripts/prefix.sh): P: fixed and
// watched, R: removable, S: CD-ROM, each a folder of the build that these
// helpers change and always put back.
#include <string>

extern const char kFixedRoot[];
extern const char kRemovableRoot[];
extern const char kCdRomRoot[];

// The folder behind a test drive, reached through Z:, without a trailing
// backslash.
std::string DriveFolder(char letter);

// A fresh folder at the root of a test drive, removed with its content at
// the end.
class DriveArea {
public:
    explicit DriveArea(const std::string& root);
    ~DriveArea();
    DriveArea(const DriveArea&) = delete;
    DriveArea& operator=(const DriveArea&) = delete;

    // The folder's name and its full path (no trailing backslash).
    const std::string& Name() const { return m_name; }
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& relative) const { return m_path + "\\" + relative; }
    std::string MakeFolder(const std::string& relative) const;

private:
    std::string m_name;
    std::string m_path;
};

// Takes the medium out of the removable drive R: (its folder goes aside)
// and puts it back at the end.
class MediumOut {
public:
    MediumOut();
    ~MediumOut();
    MediumOut(const MediumOut&) = delete;
    MediumOut& operator=(const MediumOut&) = delete;

private:
    std::string m_folder;
};

// Puts another medium, with another volume serial, into the removable drive
// R: or the CD-ROM drive S:, through Wine's mount manager (which would
// otherwise keep reporting the serial it read first); the old medium goes
// back at the end.
class SwappedMedium {
public:
    SwappedMedium(char letter, const std::string& serial);
    ~SwappedMedium();
    SwappedMedium(const SwappedMedium&) = delete;
    SwappedMedium& operator=(const SwappedMedium&) = delete;

private:
    char m_letter;
    std::string m_other;
};
