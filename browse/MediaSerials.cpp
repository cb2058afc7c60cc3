#include "browse/MediaSerials.h"

MediaSerials::MediaSerials()
{
    for (DWORD& serial : m_dwVolSerial)
        serial = kNoSerial;
}

bool MediaSerials::IsSame(int nDrive, DWORD serial)
{
    DWORD& known = m_dwVolSerial[nDrive];
    const bool same = serial != kNoSerial && (known == kNoSerial || serial == known);
    known = serial;
    return same;
}
