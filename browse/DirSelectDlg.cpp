#include "browse/DirSelectDlg.h"

#include <vector>

#include "browse/DriveWatcher.h"
#include "browse/Folders.h"
#include "browse/TreeNames.h"
#include "browse/TreePictures.h"
#include "res/resource.h"

namespace {

constexpr UINT kLaterMessage = WM_APP + 1;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
constexpr int kPictureSize = 16;

// The picture of a drive type; -1 for the types that are not shown.
int DrivePicture(UINT type)
{
    switch (type) {
    case DRIVE_REMOVABLE:
        return kPictureRemovable;
    case DRIVE_FIXED:
        return kPictureFixed;
    case DRIVE_REMOTE:
        return kPictureRemote;
    case DRIVE_CDROM:
        return kPictureCdRom;
    case DRIVE_RAMDISK:
        return kPictureRamDisk;
    default:
        return -1;
    }
}

} // namespace

CDirSelectDlg::CDirSelectDlg(const std::string& strTitle, const std::string& strInitPath, int nSelectInit,
                             HWND parent)
    : win::Dialog(IDD_DIR_SELECT, parent), m_strInitPath(strInitPath), m_nSelectInit(nSelectInit),
      m_strTitle(strTitle)
{
}

INT_PTR CDirSelectDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DIRSELM_COMMAND) {
        SetMessageResult(OnDirSelmCommand(wParam, lParam));
        return TRUE;
    }
    if (message == WM_TIMER && wParam >= kRefreshTimer && wParam < kRefreshTimer + kDrives) {
        OnRefreshTimer(wParam);
        return TRUE;
    }
    if (message == kLaterMessage) {
        OnLater();
        return TRUE;
    }
    if (message == WM_DESTROY)
        OnDestroy();
    return win::Dialog::OnMessage(message, wParam, lParam);
}

BOOL CDirSelectDlg::OnInitDialog()
{
    if (!m_strTitle.empty())
        SetText(m_strTitle);
    AttachItem(m_treeDirs, IDC_DIR_TREE);
    AttachItem(m_staticPath, IDC_DIR_PATH);
    m_imlDrives = win::LoadImageList(::GetModuleHandleA(nullptr), IDB_DRIVES, kPictureSize, 1, kMaskColour);
    m_treeDirs.SetImageList(m_imlDrives.Get());
    // The tree takes the focus while still empty: a tree that gets it
    // without a selection selects its first item, and only the user or the
    // preselection should choose.
    m_treeDirs.Focus();
    InsertDrives();
    if (m_nSelectInit == 1)
        SelectPath(m_strInitPath, true);
    return FALSE;
}

bool CDirSelectDlg::OnNotify(NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_DIR_TREE)
        return false;
    const auto& notify = reinterpret_cast<const NMTREEVIEWA&>(header);
    switch (header.code) {
    case TVN_ITEMEXPANDINGA:
        result = OnItemexpandingDirTree(notify);
        return true;
    case TVN_GETDISPINFOA:
        OnGetdispinfoDirTree(reinterpret_cast<NMTVDISPINFOA&>(header));
        return true;
    case TVN_DELETEITEMA:
        m_buttons.erase(notify.itemOld.hItem);
        return true;
    case TVN_SELCHANGEDA:
        OnSelchangedDirTree(notify);
        return true;
    default:
        return false;
    }
}

void CDirSelectDlg::InsertDrives()
{
    DWORD mask = ::GetLogicalDrives();
    for (int nDrive = 0; mask != 0; ++nDrive, mask >>= 1) {
        if (mask & 1)
            InsertDrive(DriveRoot(nDrive));
    }
}

void CDirSelectDlg::InsertDrive(const std::string& root)
{
    const UINT type = ::GetDriveTypeA(root.c_str());
    const int picture = DrivePicture(type);
    if (picture < 0)
        return;
    // A removable medium is not touched before the user opens the drive.
    const bool removable = type == DRIVE_REMOVABLE || type == DRIVE_CDROM;
    m_treeDirs.InsertItem(TVI_ROOT, TVI_LAST, root, picture, picture, removable || HasSubfolders(root));
    switch (type) {
    case DRIVE_REMOVABLE:
        m_media.Remember(DriveIndex(root), kNoSerial);
        break;
    case DRIVE_CDROM:
        m_media.Remember(DriveIndex(root), GetVolumeSerial(root));
        break;
    default:
        StartWatcher(root);
        break;
    }
}

// The tree goes on with the item after this notification whatever the
// answer, so the item must still be there: what would delete it waits until
// the notification is over.
LRESULT CDirSelectDlg::OnItemexpandingDirTree(const NMTREEVIEWA& notify)
{
    const HTREEITEM item = notify.itemNew.hItem;
    const std::string path = GetItemPath(item);
    if ((notify.action & TVE_TOGGLE) != TVE_EXPAND) {
        DoLater(Later::CheckCollapsed, path);
        return 0;
    }
    if (!IsSameMedia(path)) {
        DoLater(Later::ResetDrive, path.substr(0, 3));
        return 1;
    }
    if (!IsFolderPath(path)) {
        DoLater(Later::Delete, path);
        return 1;
    }
    DeleteChildren(item);
    return FillChildren(item, path) == 0 ? 1 : 0;
}

// Asked each time the tree draws a folder item; the folder is looked into
// once until the next refresh. An open item shows its button without a look.
void CDirSelectDlg::OnGetdispinfoDirTree(NMTVDISPINFOA& info)
{
    if (!(info.item.mask & TVIF_CHILDREN))
        return;
    const HTREEITEM item = info.item.hItem;
    if (IsOpen(item)) {
        info.item.cChildren = 1;
        return;
    }
    auto known = m_buttons.find(item);
    if (known == m_buttons.end())
        known = m_buttons.emplace(item, HasSubfolders(GetItemPath(item))).first;
    info.item.cChildren = known->second;
}

void CDirSelectDlg::DoLater(Later what, const std::string& path)
{
    m_arrLater.push_back({what, path});
    Post(kLaterMessage);
}

// Items are found again by their paths: the tree may have changed since.
void CDirSelectDlg::OnLater()
{
    std::vector<LaterWork> work;
    work.swap(m_arrLater);
    for (const LaterWork& later : work) {
        const HTREEITEM item = FindItem(later.path);
        if (!item)
            continue;
        switch (later.what) {
        case Later::CheckCollapsed:
            if (!m_treeDirs.IsExpanded(item))
                CheckCollapsedItem(item, later.path);
            break;
        case Later::ResetDrive:
            ResetDrive(item);
            break;
        case Later::Delete:
            if (!IsFolderPath(later.path))
                m_treeDirs.DeleteItem(item);
            break;
        }
    }
}

void CDirSelectDlg::CheckCollapsedItem(HTREEITEM item, const std::string& path)
{
    if (!IsSameMedia(path)) {
        ResetDrive(GetTopLevelItem(item));
        return;
    }
    if (!IsFolderPath(path)) {
        m_treeDirs.DeleteItem(item);
        return;
    }
    DeleteChildren(item);
    if (IsTopLevel(item))
        SetChildMarker(item, true);
    else
        ForgetChildMarker(item);
}

// The tree goes on with the new selection after this notification too.
void CDirSelectDlg::OnSelchangedDirTree(const NMTREEVIEWA& notify)
{
    // A cleared selection names no item: there is nothing to check, and
    // deleting "no item" would empty the whole tree.
    const HTREEITEM item = notify.itemNew.hItem;
    if (!item)
        return;
    const std::string path = GetItemPath(item);
    if (!IsSameMedia(path)) {
        DoLater(Later::ResetDrive, path.substr(0, 3));
        SetSelectedPath(path);
        return;
    }
    if (!IsFolderPath(path)) {
        DoLater(Later::Delete, path);
        return;
    }
    if (!IsOpen(item))
        UpdateChildMarker(item, path);
    SetSelectedPath(path);
}

int CDirSelectDlg::SelectPath(const std::string& path, bool select)
{
    if (::lstrlenA(path.c_str()) < 3)
        return 0;
    HTREEITEM item = FindSibling(m_treeDirs.GetRoot(), path.substr(0, 3));
    if (!item)
        return 0;
    std::string rest = path.substr(3);
    while (!rest.empty()) {
        m_treeDirs.Expand(item, TVE_EXPAND);
        const HTREEITEM first = m_treeDirs.GetChild(item);
        if (!first)
            return 0;
        item = FindSibling(first, TakeFirstName(rest));
        if (!item)
            return 0;
    }
    m_treeDirs.Expand(item, TVE_EXPAND);
    if (select)
        m_treeDirs.Select(item);
    return 1;
}

void CDirSelectDlg::SetSelectedPath(const std::string& path)
{
    m_strSelPath = JoinPath(path, "");
    m_staticPath.SetText(path);
}
