#pragma once
// What the deletion run needs of the world around it. The program's host
// reaches the file system, the message queue and the main window; tests put
// scripted answers in their place. The file system is met with wide paths
// in the "\\?\" form; what the user sees is the code page's text.
#include <windows.h>

#include <string>

#include "fsutil/HeldFolder.h"

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

    virtual CHeldFolder HoldFolder(const std::wstring& path, FolderKind kind) = 0;
    // What could be read of the folder.
    virtual FolderEntries ListFolder(const CHeldFolder& folder) = 0;
    // 0 on success, else the system's error code.
    virtual DWORD RemoveFile(const std::wstring& path) = 0;
    // The shell's result: 0 on success.
    virtual int RecycleFile(const std::wstring& path) = 0;
    // The result is of no interest: a folder that is not empty stays.
    virtual void RemoveFolder(const std::wstring& path) = 0;
    virtual void Pause(DWORD milliseconds) = 0;
    // A pump point of the walk: a look at the message queue, which takes
    // every pending message, at most every few milliseconds; at once when
    // the run is about to ask or to end.
    virtual void PumpMessages(bool now) = 0;
    virtual Confirmation Confirm(const std::string& path) = 0;
    virtual void SetStatus(const std::string& text) = 0;
    // 0 when the line was written, else the system's error code.
    virtual DWORD WriteLog(const std::string& line) = 0;
};
