// Resource and control ids of Purgox. Read by windres and by the C++ code,
// so keep it to plain #defines.
#ifndef PURGOX_RES_RESOURCE_H
#define PURGOX_RES_RESOURCE_H

// System menu command of the about box; the low four bits must stay clear
// because the system uses them.
#define IDM_ABOUTBOX            0x0010

// Dialog templates
#define IDD_ABOUTBOX            100
#define IDD_PURGOX_DIALOG       102
#define IDD_DIR_SELECT          129
#define IDD_DELETE_CONFIRM      135
#define IDD_DELETE_LOG          136

// Strings
#define IDS_ABOUTBOX            101

// Icon, clip and bitmap. The clip and the bitmap share the number 130,
// which is fine: they are of different resource types.
#define IDR_MAINFRAME           128
#define IDR_DELETE_AVI          130
// Seven 16x16 tree pictures on magenta: hard disk, floppy, CD-ROM, network,
// RAM disk, closed folder, open folder.
#define IDB_DRIVES              130

// Main dialog (IDD_PURGOX_DIALOG)
#define IDC_BROWSE              1001
#define IDC_FOLDER              1002
#define IDC_FILETYPES           1003
#define IDC_STATUS              1004
#define IDC_ANIMATE             1008
#define IDC_CONFIRM_EACH        1009
#define IDC_NO_SUBFOLDERS       1010
#define IDC_REMOVE_EMPTY_DIRS   1011
#define IDC_ADD_TYPE            1012
#define IDC_RUN                 1013
#define IDC_REMOVE_TYPE         1014
#define IDC_HELP_BTN            1015
#define IDC_LOG                 1016
#define IDC_USE_RECYCLE_BIN     1021
#define IDC_NO_LOG              1022

// Delete confirmation (IDD_DELETE_CONFIRM). IDC_ABORT is 3 (IDABORT) so
// that it sits next to IDOK and IDCANCEL.
#define IDC_ABORT               3
#define IDC_CONFIRM_PATH        1004
#define IDC_NO_MORE_CONFIRM     1019

// Folder tree (IDD_DIR_SELECT)
#define IDC_DIR_TREE            1001
#define IDC_DIR_PATH            1002

// Delete log viewer (IDD_DELETE_LOG)
#define IDC_LOG_LIST            1020

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

#endif // PURGOX_RES_RESOURCE_H
