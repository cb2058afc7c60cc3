#pragma once
#include <windows.h>

// The application: shows the main window modally; the program ends when it
// closes.
class CPurgoxApp {
public:
    BOOL InitInstance();
};

extern CPurgoxApp theApp;
