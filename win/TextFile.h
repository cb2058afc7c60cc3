#pragma once
// A buffered text file in the platform's text mode: "\n" is written as CR LF,
// and CR LF (or LF alone) ends a line when reading. Every failure is kept as
// the system's error code; a failed write makes every later write fail too.
#include <windows.h>

#include <string>
#include <vector>

#include "win/Handle.h"

namespace win {

class TextFile {
public:
    enum class Mode {
        Read,        // existing file, no sharing
        CreateWrite, // created or truncated, no sharing
    };

    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool Open(const std::string& path, Mode mode);
    bool IsOpen() const { return m_file.IsValid(); }

    // Writes the text with each "\n" turned into CR LF.
    bool WriteString(const std::string& text);
    // Reads one line without its line end; false at the end or on an error
    // (then LastError() is not 0).
    bool ReadString(std::string& line);
    // Hands what is buffered to the system.
    bool Flush();
    // Writes what is buffered and closes; false when that write failed.
    bool Close();

    DWORD LastError() const { return m_error; }

private:
    bool Fail(DWORD error);
    bool FillReadBuffer();

    Handle m_file;
    DWORD m_error = 0;
    std::vector<char> m_buffer;
    size_t m_readPos = 0;
    bool m_eof = false;
    bool m_writing = false;
};

} // namespace win
