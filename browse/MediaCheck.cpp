// Removable and CD-ROM drives are not watched; instead each use of one of
// their items first compares the volume serial with the one seen before.
#include "browse/DirSelectDlg.h"
#include "browse/Folders.h"

bool CDirSelectDlg::IsSameMedia(const std::string& path)
{
    const UINT type = ::GetDriveTypeA(path.c_str());
    const int nDrive = DriveIndex(path);
    if ((type != DRIVE_REMOVABLE && type != DRIVE_CDROM) || nDrive < 0)
        return true;
    DWORD& known = m_dwVolSerial[nDrive];
    const DWORD serial = GetVolumeSerial(path.substr(0, 3));
    // A medium seen for the first time is accepted at once; a missing or a
    // swapped one is reported once as a change.
    const bool same = serial != kNoSerial && (known == kNoSerial || serial == known);
    known = serial;
    return same;
}
