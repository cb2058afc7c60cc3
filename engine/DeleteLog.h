#pragma once
// The delete log: one header line per run, then one line per file event.
// Shift-JIS text, every line ending in CR LF.
#include <windows.h>

#include <string>

#include "win/TextFile.h"

extern const char kDeleteLogName[];
// The reason of a failure line when the shell could not recycle the file.
extern const char kRecycleFailedText[];

std::string FormatLogHeader(const std::string& localTime);
std::string DeletedLine(const std::string& path);
std::string FailedLine(const std::string& path, const std::string& reason);
std::string StoppedLine(const std::string& path);

// The log file of one run: created (or emptied) with its header, written line
// by line, closed. Each call answers 0 or the system's error code.
class CDeleteLogFile {
public:
    DWORD Create(const std::string& path);
    DWORD WriteLog(const std::string& line);
    DWORD Close();
    bool IsOpen() const { return m_file.IsOpen(); }

private:
    win::TextFile m_file;
};
