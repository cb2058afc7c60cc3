#pragma once
// What the deletion run needs of the world around it. The program's host
// reaches the file system, the message queue and the main window; tests put
// scripted answers in their place.
#include <windows.h>

#include <string>

#include "fsutil/Listing.h"

// The answer of one confirmation: the dialog's result (IDOK deletes) and its
// two flags.
struct Confirmation {
    INT_PTR nResult = IDCANCEL;
    int bNoMoreConfirm = 0;
    int bAborted = 0;
};

class IDeleteHost {
public:
    virtual ~IDeleteHost() = default;

    // Names that hold path syntax go to refused, never to names.
    virtual int ListFiles(const std::string& pattern, NameList& names, NameList& refused) = 0;
    virtual int ListSubfolders(NameList& names, const std::string& folder, NameList& refused) = 0;
    virtual int FileExists(const std::string& pattern) = 0;
    virtual bool IsEnterableFolder(const std::string& path) = 0;
    // 0 on success, else the system's error code.
    virtual DWORD RemoveFile(const std::string& path) = 0;
    // The shell's result: 0 on success.
    virtual int RecycleFile(const std::string& path) = 0;
    // The result is of no interest: a folder that is not empty stays.
    virtual void RemoveFolder(const std::string& path) = 0;
    virtual void Pause(DWORD milliseconds) = 0;
    // Takes at most one pending window message and dispatches it.
    virtual void PumpMessage() = 0;
    virtual Confirmation Confirm(const std::string& path) = 0;
    virtual void SetStatus(const std::string& text) = 0;
    // 0 when the line was written, else the system's error code.
    virtual DWORD WriteLog(const std::string& line) = 0;
};
