#pragma once
// The volume serial last seen in each removable and CD-ROM drive, to tell
// when the medium was taken out or swapped.
#include <windows.h>

#include "browse/Folders.h"

class MediaSerials {
public:
    static constexpr int kDrives = 26;

    MediaSerials();
    // What the drive (0 for A) holds now, taken as known.
    void Remember(int nDrive, DWORD serial) { m_dwVolSerial[nDrive] = serial; }
    // True while the drive holds the medium seen before; a medium seen
    // first is accepted at once, a missing (kNoSerial) or swapped one is
    // reported once as a change.
    bool IsSame(int nDrive, DWORD serial);

private:
    DWORD m_dwVolSerial[kDrives];
};
