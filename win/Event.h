#pragma once
// An owned, unnamed event object.
#include <windows.h>

#include "win/Handle.h"

namespace win {

class Event {
public:
    explicit Event(bool manualReset) : m_handle(::CreateEventA(nullptr, manualReset, FALSE, nullptr)) {}

    HANDLE Get() const { return m_handle.Get(); }
    void Set() const { ::SetEvent(m_handle.Get()); }

private:
    Handle m_handle;
};

} // namespace win
