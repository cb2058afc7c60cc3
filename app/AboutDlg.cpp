#include "app/AboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(HWND parent) : win::Dialog(IDD_ABOUTBOX, parent) {}
