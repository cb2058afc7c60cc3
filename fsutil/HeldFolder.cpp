#include "fsutil/HeldFolder.h"

#include <cstddef>

namespace {

constexpr DWORD kNotEntered =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_REPARSE_POINT;
// One request brings this much of a listing, as a large fetch would.
constexpr size_t kListingBytes = 64 * 1024;

bool IsDirectory(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Nonzero for a folder the walk may enter: not hidden, system or temporary,
// and not a link to somewhere else (junction, symbolic link, mount point).
int IsListedFolderAttr(DWORD attributes)
{
    return (attributes & kNotEntered) == 0;
}

bool IsDotEntry(const FILE_ID_BOTH_DIR_INFO& info)
{
    const size_t length = info.FileNameLength / sizeof(wchar_t);
    return info.FileName[0] == L'.' && (length == 1 || (length == 2 && info.FileName[1] == L'.'));
}

// The attributes of the opened object, or INVALID_FILE_ATTRIBUTES.
DWORD HandleAttributes(HANDLE handle)
{
    FILE_BASIC_INFO info;
    return ::GetFileInformationByHandleEx(handle, FileBasicInfo, &info, sizeof info) ? info.FileAttributes
                                                                                        : INVALID_FILE_ATTRIBUTES;
}

// Wine follows a link even when asked not to, and only the path shows it;
// once the folder is held its path names it, so both are looked at. On
// Windows the handle alone tells.
bool IsEnterable(HANDLE handle, const std::wstring& path)
{
    const DWORD opened = HandleAttributes(handle);
    const DWORD named = ::GetFileAttributesW(path.c_str());
    if (opened == INVALID_FILE_ATTRIBUTES || named == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD attributes = opened | named;
    return IsDirectory(attributes) && IsListedFolderAttr(attributes);
}

} // namespace

CHeldFolder CHeldFolder::Hold(const std::wstring& path, FolderKind kind)
{
    const bool start = kind == FolderKind::Start;
    win::Handle handle(::CreateFileW(path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS | (start ? 0 : FILE_FLAG_OPEN_REPARSE_POINT),
                                     nullptr));
    if (!handle)
        return CHeldFolder();
    const bool usable = start ? IsDirectory(HandleAttributes(handle.Get())) : IsEnterable(handle.Get(), path);
    return usable ? CHeldFolder(std::move(handle)) : CHeldFolder();
}

FolderEntries CHeldFolder::List() const
{
    FolderEntries entries;
    std::vector<std::max_align_t> buffer(kListingBytes / sizeof(std::max_align_t));
    const DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(std::max_align_t));
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (::GetFileInformationByHandleEx(m_handle.Get(), request, buffer.data(), bytes)) {
        request = FileIdBothDirectoryInfo;
        const auto* at = reinterpret_cast<const BYTE*>(buffer.data());
        for (;;) {
            const auto& info = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
            if (!IsDotEntry(info))
                entries.push_back({std::wstring(info.FileName, info.FileNameLength / sizeof(wchar_t)),
                                   info.FileAttributes});
            if (info.NextEntryOffset == 0)
                break;
            at += info.NextEntryOffset;
        }
    }
    return entries;
}
