#pragma once
// The about box of the three programs (dialog 100): caption, program icon, version line, a line with the
// year and the maker, and OK.

#include "Dialog.h"
#include "Program.h"

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDR_MAINFRAME = 128;  // the program's icon (and main menu, tool bar)
inline constexpr int IDC_ABOUT_VERSION = 1000;
inline constexpr int IDC_ABOUT_COPYRIGHT = 1001;

// The program's template 100 (one per program, kept for the whole run).
const DialogTemplate& AboutTemplate(Program program);
// Makes template 100 the program's about box.
void RegisterAboutTemplate(Program program);

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    CAboutDlg() : CDialog(IDD) {}
};
