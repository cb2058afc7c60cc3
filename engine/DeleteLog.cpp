#include "engine/DeleteLog.h"

#include "win/Format.h"

const char kDeleteLogName[] = "Purgox_Delete.log";
const char kRecycleFailedText[] = "ごみ箱に転送できません．";

std::string FormatLogHeader(const std::string& localTime)
{
    return "-- Purgox.Exe  削除履歴 [" + localTime + "] --";
}

std::string DeletedLine(const std::string& path)
{
    return "削除:" + path;
}

std::string FailedLine(const std::string& path, const std::string& reason)
{
    return "障害:" + path + " -->" + reason;
}

std::string StoppedLine(const std::string& path)
{
    return "中止:" + path + " -->ユーザーによる削除の中止";
}

DWORD CDeleteLogFile::Create(const std::string& path)
{
    if (!m_file.Open(path, win::TextFile::Mode::CreateWrite))
        return m_file.LastError();
    return WriteLog(FormatLogHeader(win::FormatLocalTime("%Y/%m/%d %H:%M:%S")));
}

// Each line goes to the system at once: a full disk then stops the run at the
// first line it could not take, not a buffer's worth of deletions later.
DWORD CDeleteLogFile::WriteLog(const std::string& line)
{
    return m_file.WriteString(line + "\n") && m_file.Flush() ? 0 : m_file.LastError();
}

DWORD CDeleteLogFile::Close()
{
    return m_file.Close() ? 0 : m_file.LastError();
}
