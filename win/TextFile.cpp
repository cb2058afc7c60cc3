#include "win/TextFile.h"

#include <algorithm>

namespace win {

namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

TextFile::~TextFile()
{
    Close();
}

bool TextFile::Open(const std::string& path, Mode mode)
{
    Close();
    m_error = 0;
    m_buffer.clear();
    m_buffer.reserve(kBufferSize + 1);
    m_readPos = 0;
    m_eof = false;
    const bool write = mode == Mode::CreateWrite;
    m_writing = write;
    // Wine's A functions take longer paths than Windows does; holding to the
    // Windows limit keeps a file that cannot be read from being overwritten.
    if (path.size() >= MAX_PATH)
        return Fail(ERROR_FILENAME_EXCED_RANGE);
    m_file.Reset(::CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                               write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
    if (!m_file.IsValid())
        return Fail(::GetLastError());
    return true;
}

bool TextFile::Fail(DWORD error)
{
    m_error = error ? error : ERROR_WRITE_FAULT;
    return false;
}

bool TextFile::WriteString(const std::string& text)
{
    if (!m_file.IsValid())
        return Fail(ERROR_INVALID_HANDLE);
    if (m_error)
        return false;
    for (char c : text) {
        if (c == '\n')
            m_buffer.push_back('\r');
        m_buffer.push_back(c);
        if (m_buffer.size() >= kBufferSize && !Flush())
            return false;
    }
    return true;
}

bool TextFile::Flush()
{
    if (!m_writing)
        return true;
    if (!m_file.IsValid())
        return Fail(ERROR_INVALID_HANDLE);
    if (m_error)
        return false;
    const char* data = m_buffer.data();
    size_t left = m_buffer.size();
    while (left > 0) {
        DWORD written = 0;
        if (!::WriteFile(m_file.Get(), data, static_cast<DWORD>(left), &written, nullptr))
            return Fail(::GetLastError());
        if (written == 0)
            return Fail(ERROR_DISK_FULL);
        data += written;
        left -= written;
    }
    m_buffer.clear();
    return true;
}

bool TextFile::FillReadBuffer()
{
    m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<ptrdiff_t>(m_readPos));
    m_readPos = 0;
    const size_t old = m_buffer.size();
    m_buffer.resize(old + kBufferSize);
    DWORD got = 0;
    if (!::ReadFile(m_file.Get(), m_buffer.data() + old, kBufferSize, &got, nullptr)) {
        m_buffer.resize(old);
        return Fail(::GetLastError());
    }
    m_buffer.resize(old + got);
    if (got == 0)
        m_eof = true;
    return got != 0;
}

bool TextFile::ReadString(std::string& line)
{
    line.clear();
    if (!m_file.IsValid())
        return Fail(ERROR_INVALID_HANDLE);
    if (m_error)
        return false;
    size_t scanFrom = m_readPos;
    for (;;) {
        const auto begin = m_buffer.begin();
        const auto end = m_buffer.end();
        const auto lf = std::find(begin + static_cast<ptrdiff_t>(scanFrom), end, '\n');
        if (lf != end) {
            auto lineEnd = lf;
            if (lineEnd != begin + static_cast<ptrdiff_t>(m_readPos) && lineEnd[-1] == '\r')
                --lineEnd;
            line.assign(begin + static_cast<ptrdiff_t>(m_readPos), lineEnd);
            m_readPos = static_cast<size_t>(lf - begin) + 1;
            return true;
        }
        scanFrom = m_buffer.size() - m_readPos;
        if (m_eof || !FillReadBuffer()) {
            if (m_error || m_readPos == m_buffer.size())
                return false;
            // A last line without a line end is still a line.
            line.assign(m_buffer.begin() + static_cast<ptrdiff_t>(m_readPos), m_buffer.end());
            m_readPos = m_buffer.size();
            return true;
        }
    }
}

bool TextFile::Close()
{
    if (!m_file.IsValid())
        return true;
    bool ok = true;
    if (m_writing && m_error == 0)
        ok = Flush();
    if (!::CloseHandle(m_file.Release()) && ok)
        ok = Fail(::GetLastError());
    m_buffer.clear();
    return ok && m_error == 0;
}

} // namespace win
