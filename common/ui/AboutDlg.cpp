#include "AboutDlg.h"

namespace {

DialogTemplate Make(const char* caption, const char* version) {
    DialogTemplate t;
    t.id = IDD_ABOUTBOX;
    t.caption = caption;
    t.controls = {
        Picture(IDC_STATIC, IDR_MAINFRAME, 0, 0).Span(1, 2),
        Label(version, 0, 1, IDC_ABOUT_VERSION),
        Label("Copyright © 2008 Zel Engenharia", 1, 1, IDC_ABOUT_COPYRIGHT),
        OkButton(),
    };
    return t;
}

}  // namespace

const DialogTemplate& AboutTemplate(Program program) {
    static const DialogTemplate lvsize = Make("Sobre Zel", "Lvsize Versão 4.0");
    static const DialogTemplate mvsize = Make("Sobre Zel", "Mvsize Tensão Versão 4.0");
    static const DialogTemplate protdev = Make("Sobre o Protdev", "Protdev Versão 4.0");
    switch (program) {
    case Program::Lvsize: return lvsize;
    case Program::Mvsize: return mvsize;
    case Program::Protdev: return protdev;
    }
    return lvsize;
}

void RegisterAboutTemplate(Program program) { RegisterDialogTemplate(AboutTemplate(program)); }
