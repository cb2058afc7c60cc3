// Removable and CD-ROM drives are not watched; instead each use of one of
// their items first compares the volume serial with the one seen before.
#include "browse/DirSelectDlg.h"
#include "browse/Folders.h"
#include "browse/TreeNames.h"

bool CDirSelectDlg::IsSameMedia(const std::string& path)
{
    const UINT type = ::GetDriveTypeA(path.c_str());
    const int nDrive = DriveIndex(path);
    if ((type != DRIVE_REMOVABLE && type != DRIVE_CDROM) || nDrive < 0)
        return true;
    return m_media.IsSame(nDrive, GetVolumeSerial(path.substr(0, 3)));
}
