#pragma once
// The small vocabulary of the window layer: colours as 0x00BBGGRR, points, show commands, the standard
// command and control ids the programs' resources use.

#include <cstdint>

// BOOL, TRUE, FALSE and BYTE are the data layer's; one definition serves every layer.
#include "DaoRecordsetManual.h"

using COLORREF = std::uint32_t;
using UINT = unsigned int;
using DWORD_PTR = std::uintptr_t;
using LRESULT = long;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct CPoint {
    int x = 0;
    int y = 0;
};

struct CSize {
    int cx = 0;
    int cy = 0;
};

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_RESTORE = 9;
inline constexpr int SW_SHOWDEFAULT = 10;

// List results.
inline constexpr int CB_ERR = -1;
inline constexpr int LB_ERR = -1;

// Check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// A label that nothing addresses.
inline constexpr int IDC_STATIC = -1;

// The framework's command ids.
inline constexpr int ID_SEPARATOR = 0;
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;
inline constexpr int AFX_IDW_TOOLBAR = 59392;
inline constexpr int AFX_IDW_STATUS_BAR = 59393;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
