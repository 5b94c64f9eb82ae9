// GUI smoke test under a virtual X server: the main frame with its tool bar and status bar, the about box
// of each program, a dialog with every kind of control, a message box and the banner, each saved as a PNG
// screenshot. Checks what a screenshot alone cannot prove: paste refused by the masked edit's own widget,
// the invalid colour drawn also when the field is disabled, the update handler disabling the tool-bar
// button.
#include "AboutDlg.h"
#include "Banner.h"
#include "CFormat.h"
#include "Document.h"
#include "MainFrame.h"
#include "ValidityColors.h"
#include "WxDialog.h"
#include "WxFrames.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

int g_passed = 0;
int g_failed = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    (ok ? g_passed : g_failed)++;
}

std::string g_out = ".";
std::string Png(const std::string& name) { return g_out + "/" + name + ".png"; }

// --- resources of a sizing program -----------------------------------------------------------------------

constexpr int ID_CIRCUITO_INCLUIR = 32771;
constexpr int ID_CIRCUITO_EXCLUIR = 32773;
constexpr int ID_CIRCUITO_COPIAR = 32783;
constexpr int ID_CIRCUITO_COLAR = 32784;
constexpr int ID_CIRCUITO_CALCULAR = 32779;
constexpr int ID_CIRCUITO_IMPRIMIR = 32778;
constexpr int ID_APP_ABOUT = 32805;

const MenuTemplate kMenu128 = {128, {
    Popup("&Projeto", {MenuItem("&Novo\tCtrl+N", ID_FILE_NEW), MenuItem("&Abrir...\tCtrl+A", ID_FILE_OPEN),
                       MenuSeparator(), MenuItem("S&air", ID_APP_EXIT)}),
    Popup("&Exibir", {MenuItem("Barra de &ferramentas", ID_VIEW_TOOLBAR), MenuItem("&Barra de estado", ID_VIEW_STATUS_BAR)}),
    Popup("&Ajuda", {MenuItem("&Sobre ...", ID_APP_ABOUT)})}};
const MenuTemplate kMenu129 = {129, {
    Popup("&Projeto", {MenuItem("&Novo\tCtrl+N", ID_FILE_NEW), MenuItem("&Salvar\tCtrl+S", ID_FILE_SAVE)}),
    Popup("&Circuito", {MenuItem("&Incluir ...", ID_CIRCUITO_INCLUIR), MenuItem("&Excluir ...", ID_CIRCUITO_EXCLUIR),
                        MenuItem("&Copiar", ID_CIRCUITO_COPIAR), MenuItem("C&olar", ID_CIRCUITO_COLAR),
                        MenuSeparator(), MenuItem("Calc&ular", ID_CIRCUITO_CALCULAR),
                        MenuItem("I&mprimir", ID_CIRCUITO_IMPRIMIR)}),
    Popup("&Exibir", {MenuItem("Barra de &ferramentas", ID_VIEW_TOOLBAR), MenuItem("&Barra de estado", ID_VIEW_STATUS_BAR)}),
    Popup("&Ajuda", {MenuItem("&Sobre ...", ID_APP_ABOUT)})}};
const ToolbarTemplate kToolbar128 = {128, {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_CIRCUITO_INCLUIR,
                                           ID_CIRCUITO_EXCLUIR, ID_CIRCUITO_COPIAR, ID_CIRCUITO_COLAR, 0,
                                           ID_CIRCUITO_CALCULAR, ID_CIRCUITO_IMPRIMIR}};

void RegisterResources() {
    RegisterMenu(kMenu128);
    RegisterMenu(kMenu129);
    RegisterToolbar(kToolbar128);
    RegisterString(128, "Lvsize");
    RegisterString(ID_CIRCUITO_INCLUIR, "Inclui um circuito\nIncluir");
    RegisterString(ID_CIRCUITO_EXCLUIR, "Exclui o circuito selecionado\nExcluir");
    RegisterString(ID_CIRCUITO_COPIAR, "Copia o circuito selecionado\nCopiar");
    RegisterString(ID_CIRCUITO_COLAR, "Cola o circuito copiado\nColar");
    RegisterString(ID_CIRCUITO_CALCULAR, "Calcula o circuito selecionado\nCalcular");
    RegisterString(ID_CIRCUITO_IMPRIMIR, "Imprime o cálculo do circuito\nImprimir o cálculo");
}

class App : public CWinApp {
public:
    void OnFileNew() {}
    void OnAppAbout() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(App, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

class View : public CTreeView {
public:
    bool circuitSelected = false;
    void OnIncluir() {}
    void OnExcluir() {}
    void OnUpdateCircuito(CCmdUI* pCmdUI) { pCmdUI->Enable(circuitSelected); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(View, CTreeView)
    ON_COMMAND(ID_CIRCUITO_INCLUIR, OnIncluir)
    ON_COMMAND(ID_CIRCUITO_EXCLUIR, OnExcluir)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_EXCLUIR, OnUpdateCircuito)
END_MESSAGE_MAP()

// --- a dialog with every kind of control ------------------------------------------------------------------

constexpr int IDC_CODIGO = 1007, IDC_MANEIRA = 1047, IDC_COMPRIMENTO = 1016, IDC_DEMANDA = 1036,
              IDC_ORIGEM = 1156, IDC_LEITURA = 1157, IDC_HARMONICOS = 1163, IDC_GRUPO = 1300, IDC_DISPENSAR = 1010,
              IDC_INDIRETOS = 1008, IDC_R1 = 1301, IDC_R2 = 1302, IDC_CORRENTES = 1001, IDC_INCLUIR = 1002,
              IDC_ALTERAR = 1004, IDC_EXCLUIR = 1003, IDC_GRADE = 1098, IDC_ARVORE = 1200, IDC_FIGURA = 1201,
              IDC_CALCULAR = 1089, IDC_OBS = 1202;

const DialogTemplate kTodos = {990, "Dados do circuito", {
    Label("&Circuito:", 0, 0), Edit(IDC_CODIGO, 0, 1).MaxLength(20),
    Label("Maneira de insta&lar:", 1, 0), DropList(IDC_MANEIRA, 1, 1).Sorted().Width(30).Span(2),
    Label("C&omprimento :", 2, 0), MaskedEdit(IDC_COMPRIMENTO, "#####.#", 2, 1), Label("m", 2, 2),
    Label("Fator de &demanda:", 3, 0), MaskedEdit(IDC_DEMANDA, "#.##", 3, 1),
    Label("Desde a origem :", 4, 0), MaskedEdit(IDC_ORIGEM, "###.#", 4, 1).DisabledAtStart(), Label("%", 4, 2),
    Label("Somente leitura :", 5, 0), MaskedEdit(IDC_LEITURA, "###.#", 5, 1).ReadOnly(),
    Label("Possui Harmonicos?", 6, 0), ComboEdit(IDC_HARMONICOS, 6, 1),
    GroupBox(IDC_GRUPO, "Proteção", 7, 0).Span(3),
    CheckBox(IDC_DISPENSAR, "Dispensar so&brecarga", 0, 0).In(IDC_GRUPO),
    CheckBox(IDC_INDIRETOS, "Dispensar contatos &indiretos", 0, 1).In(IDC_GRUPO),
    RadioButton(IDC_R1, "&Disjuntor", 1, 0).In(IDC_GRUPO).GroupStart(),
    RadioButton(IDC_R2, "&Fusível", 1, 1).In(IDC_GRUPO),
    Label("&Correntes nominais", 0, 3), ListBox(IDC_CORRENTES, 1, 3).Span(1, 5).Sorted().Width(12),
    PushButton(IDC_INCLUIR, "&Incluir", 1, 4), PushButton(IDC_ALTERAR, "&Alterar", 2, 4),
    PushButton(IDC_EXCLUIR, "E&xcluir", 3, 4),
    FlexGrid(IDC_GRADE, 8, 0).Span(5).Grid(2, 5, 1, 0).Width(560).Height(110),
    TreeControl(IDC_ARVORE, 9, 0).Span(3).Width(300).Height(120),
    Picture(IDC_FIGURA, 128, 9, 3),
    Label("Observações:", 10, 0), Edit(IDC_OBS, 10, 1).MultiLine().Span(4),
    PushButton(IDC_CALCULAR, "C&alcular corrente", kButtonRow, 0),
    OkButton(), CancelButton()}};

class CTodos : public CDialog {
public:
    CTodos() : CDialog(kTodos) {}
    CEditColor m_comprimento, m_demanda, m_origem, m_leitura;
    CComboBox m_maneira;
    CMSFlexGrid m_grade;
    CTreeCtrl m_arvore;
    CImageList m_images;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_COMPRIMENTO, m_comprimento);
        DDX_Control(pDX, IDC_DEMANDA, m_demanda);
        DDX_Control(pDX, IDC_ORIGEM, m_origem);
        DDX_Control(pDX, IDC_LEITURA, m_leitura);
        DDX_Control(pDX, IDC_MANEIRA, m_maneira);
        DDX_Control(pDX, IDC_GRADE, m_grade);
        DDX_Control(pDX, IDC_ARVORE, m_arvore);
    }
    int OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_CODIGO, "QD-1.2");
        m_comprimento.SetMask("#####.#");
        m_demanda.SetMask("#.##");
        m_origem.SetMask("###.#");
        m_leitura.SetMask("###.#");
        m_comprimento.SetValue(35.5f);
        m_demanda.SetValue(1.5f);  // above 1: invalid
        m_origem.SetValue(4.0f);
        m_leitura.SetValue(2.5f);
        for (const char* m : {"B1 - Condutores isolados em eletroduto", "A1 - Em parede isolante", "D - Enterrado",
                              "Bandeja perfurada"})
            m_maneira.AddString(m);
        m_maneira.SetCurSel(0);
        auto* harm = static_cast<CComboBox*>(GetDlgItem(IDC_HARMONICOS));
        for (const char* h : {"Não sei", "Sim", "Não"}) harm->AddString(h);
        harm->SetCurSel(0);
        auto* list = static_cast<CListBox*>(GetDlgItem(IDC_CORRENTES));
        for (const char* c : {"  16", " 100", "  25"}) list->AddString(c);
        list->SetCurSel(0);
        CheckDlgButton(IDC_INDIRETOS, 1);
        CheckRadioButton(IDC_R1, IDC_R2, IDC_R1);
        const char* heads[] = {"Quantidade", "Potência ativa unit.(W)", "Fator de potência", "Fator de demanda",
                               "Demanda total (VA)"};
        const long widths[] = {1440, 2160, 1440, 1440, 2100};
        m_grade.SetRow(0);
        for (long c = 0; c < 5; ++c) {
            m_grade.SetCol(c);
            m_grade.SetText(heads[c]);
            m_grade.SetColWidth(c, widths[c]);
        }
        m_grade.SetRow(1);
        m_grade.SetTextMatrix(1, 0, "   4");
        m_grade.SetTextMatrix(1, 1, "    100.0");
        m_grade.SetTextMatrix(1, 2, "0.92");
        m_grade.SetTextMatrix(1, 3, "1.00");
        m_grade.SetTextMatrix(1, 4, "    434.8");
        m_grade.AddItem("   2\t   1500.0\t0.80\t0.70\t   2625.0", 2);
        m_images.Create(139, 16, 3, 0xFFFFFF);
        m_arvore.SetImageList(&m_images, TVSIL_NORMAL);
        HTREEITEM root = m_arvore.InsertItem("Origem", 0, 0);
        HTREEITEM qgbt = m_arvore.InsertItem("QGBT", 4, 4, root);
        m_arvore.InsertItem("C1", 1, 1, qgbt);
        m_arvore.InsertItem("M1", 2, 2, qgbt);
        m_arvore.Expand(root, TVE_EXPAND);
        m_arvore.Expand(qgbt, TVE_EXPAND);
        m_arvore.SelectItem(qgbt);
        const COLORREF invalid = zel::ui::kLvsizeInvalidBackground;
        SetValidityColors(&m_demanda, FALSE, 0xFFFFFF, 0, invalid, 0);
        SetValidityColors(&m_origem, FALSE, 0xFFFFFF, 0, invalid, 0);  // disabled, still in its colours
        SetValidityColors(&m_comprimento, TRUE, 0xFFFFFF, 0, invalid, 0);
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        return TRUE;
    }
};

// Protdev's yellow on a small dialog.
const DialogTemplate kProtdevCurva = {133, "Definição dos pontos da curva I2t", {
    Label("&Corrente :", 0, 0), MaskedEdit(1018, "######", 0, 1), Label("A", 0, 2),
    Label("&I2t correspondente :", 1, 0), MaskedEdit(1019, "#########", 1, 1), Label("A²s", 1, 2),
    OkButton(), CancelButton()}};

class CCurva : public CDialog {
public:
    CCurva() : CDialog(kProtdevCurva) {}
    CEditColor m_corrente, m_i2t;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 1018, m_corrente);
        DDX_Control(pDX, 1019, m_i2t);
    }
    int OnInitDialog() override {
        CDialog::OnInitDialog();
        m_corrente.SetMask("######");
        m_i2t.SetMask("#########");
        m_corrente.SetValue(1000);
        m_i2t.SetValue(0);
        SetValidityColors(&m_i2t, FALSE, 0xFFFFFF, 0, zel::ui::kProtdevInvalidBackground, 0);
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        return TRUE;
    }
};

// The colour in the middle of a widget's right half, read from the screen.
wxColour ColourInside(wxWindow* dialog, wxWindow* widget) {
    const wxRect d = dialog->GetScreenRect();
    const wxRect w = widget->GetScreenRect();
    const std::string tmp = g_out + "/.probe.png";
    zel::wx::SaveScreenshot(dialog, tmp);
    wxImage img(wxString::FromUTF8(tmp.c_str()), wxBITMAP_TYPE_PNG);
    std::filesystem::remove(tmp);
    const int x = w.GetX() - d.GetX() + w.GetWidth() - 10;
    const int y = w.GetY() - d.GetY() + w.GetHeight() / 2;
    if (!img.IsOk() || x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight()) return wxColour();
    return wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
}

bool Near(const wxColour& c, COLORREF want) {
    return c.IsOk() && std::abs(c.Red() - GetRValue(want)) < 12 && std::abs(c.Green() - GetGValue(want)) < 12 &&
           std::abs(c.Blue() - GetBValue(want)) < 12;
}

std::string Rgb(const wxColour& c) {
    return c.IsOk() ? zel::ui::FormatC("RGB(%d,%d,%d)", c.Red(), c.Green(), c.Blue()) : "none";
}

// A tree as "text:image(children)" - the model's, and the widget's that shows it.
std::string ModelTree(const std::list<std::unique_ptr<TreeItem>>& items) {
    std::string out;
    for (const auto& i : items) {
        out += (out.empty() ? "" : ",") + i->text + ":" + std::to_string(i->image);
        if (!i->children.empty()) out += "(" + ModelTree(i->children) + ")";
    }
    return out;
}

std::string WidgetTree(wxTreeCtrl* t, const wxTreeItemId& parent) {
    std::string out;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId c = t->GetFirstChild(parent, cookie); c.IsOk(); c = t->GetNextChild(parent, cookie)) {
        out += (out.empty() ? "" : ",") + std::string(t->GetItemText(c).utf8_str()) + ":" + std::to_string(t->GetItemImage(c));
        if (t->GetChildrenCount(c, false) > 0) out += "(" + WidgetTree(t, c) + ")";
    }
    return out;
}

wxTreeCtrl* FindTree(wxWindow* w) {
    if (auto* t = dynamic_cast<wxTreeCtrl*>(w)) return t;
    for (wxWindow* c : w->GetChildren())
        if (wxTreeCtrl* t = FindTree(c)) return t;
    return nullptr;
}

void Pump(int rounds = 10) {
    for (int i = 0; i < rounds; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
}

}  // namespace

class SmokeApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(SmokeApp);

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc > 1) g_out = argv[1];
    std::filesystem::create_directories(g_out);
    const bool portuguese = zel::wx::UsePortugueseLocale();
    Check(portuguese, "pt_BR.UTF-8 locale in use");
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::printf("0 passed, 1 failed\n");
        return 1;
    }
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();
    RegisterResources();

    CAppContext context;
    context.appTitle = "Lvsize";
    zel::wx::WxHost host(Program::Lvsize);
    host.Install(context);
    ScopedAppContext scope(context);

    // The main frame with a project window.
    App app;
    CMainFrame mainModel;
    Check(mainModel.LoadFrame(128) != 0, "main frame made from resource 128");
    mainModel.m_pApp = &app;
    mainModel.SetShowState(SW_SHOWMAXIMIZED);
    zel::wx::WxFrameHost frameHost(mainModel, host, "Lvsize - Projeto1");
    CDocTemplate docTemplate(129);
    CProjectDocument doc;
    View view;
    view.SetDocument(&doc);
    view.Create(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
    CChildFrame child;
    child.CreateChild(&mainModel, &docTemplate, &view);
    CImageList images;
    images.Create(139, 16, 3, 0xFFFFFF);
    CTreeCtrl& tree = view.GetTreeCtrl();
    tree.SetImageList(&images, TVSIL_NORMAL);
    HTREEITEM root = tree.InsertItem("Origem", 0, 0);
    HTREEITEM qd = tree.InsertItem("QGBT", 4, 4, root);
    tree.InsertItem("C1 - Iluminação", 1, 1, qd);
    tree.InsertItem("M1 - Bomba", 2, 2, qd);
    tree.InsertItem("C2", 3, 3, root);
    tree.Expand(root, TVE_EXPAND);
    tree.Expand(qd, TVE_EXPAND);
    tree.SelectItem(root);
    child.ActivateFrame();
    frameHost.AddChild(child, "Projeto1");
    frameHost.RebuildMenuBar();
    frameHost.Frame()->Show();
    Pump(20);
    mainModel.OnIdleUpdate();
    wxToolBar* toolbar = frameHost.Frame()->GetToolBar();
    Check(child.GetShowState() == SW_SHOWMAXIMIZED, "the project window opens maximized");
    Check(toolbar && !toolbar->GetToolEnabled(zel::wx::ToWxId(ID_CIRCUITO_EXCLUIR)), "update handler disables the Excluir button");
    Check(toolbar && toolbar->GetToolEnabled(zel::wx::ToWxId(ID_CIRCUITO_INCLUIR)), "Incluir stays enabled");
    Check(frameHost.Frame()->GetStatusBar() && frameHost.Frame()->GetStatusBar()->GetStatusText(0) == "Pronto",
          "status bar shows Pronto");
    Check(zel::wx::SaveScreenshot(frameHost.Frame(), Png("main-frame")), "screenshot main-frame.png");
    view.circuitSelected = true;
    mainModel.OnIdleUpdate();
    Check(toolbar && toolbar->GetToolEnabled(zel::wx::ToWxId(ID_CIRCUITO_EXCLUIR)), "and enables it again");
    // The widget follows the tree model through every kind of change, each shown once the code is done.
    {
        wxTreeCtrl* widget = FindTree(frameHost.Frame());
        const auto same = [&](const std::string& what) {
            Pump(3);
            const std::string model = ModelTree(tree.Roots());
            const std::string shown = widget ? WidgetTree(widget, widget->GetRootItem()) : "";
            Check(model == shown, "the tree widget follows " + what + ": " + shown);
        };
        HTREEITEM c1 = tree.GetChildItem(qd);
        HTREEITEM m1 = tree.GetNextSiblingItem(c1);
        tree.InsertItem("C3", 1, 1, qd);
        tree.InsertItem("C0", 3, 3, qd, TVI_FIRST);
        tree.InsertItem("C1b", 1, 1, qd, c1);
        same("insertions first, after an item and last");
        tree.DeleteItem(c1);
        tree.SetItemText(m1, "M1 - Bomba de recalque");
        tree.SetItemImage(m1, 4, 4);
        HTREEITEM novo = tree.InsertItem("QD2", 4, 4, root);
        for (int i = 0; i < 200; ++i) tree.InsertItem("T" + std::to_string(i), i % 5, i % 5, novo);
        same("a deletion, a new text and image, two hundred insertions at once");
        tree.DeleteItem(novo);
        tree.SelectItem(tree.GetChildItem(qd));
        same("a deleted subtree");
        Check(widget && widget->GetSelection().IsOk() && widget->GetItemText(widget->GetSelection()) == "C0",
              "the selection follows");
    }

    mainModel.OnCommand(ID_VIEW_TOOLBAR);
    Pump();
    Check(toolbar && !toolbar->IsShown(), "Barra de ferramentas hides the tool bar");
    mainModel.OnCommand(ID_VIEW_TOOLBAR);
    Pump();
    Check(toolbar && toolbar->IsShown(), "and shows it again");

    // The about box of each program.
    for (Program p : {Program::Lvsize, Program::Mvsize, Program::Protdev}) {
        zel::wx::WxHost programHost(p);
        programHost.Install(context);
        programHost.parentWindow = frameHost.Frame();
        const char* name = p == Program::Lvsize ? "about-lvsize" : p == Program::Mvsize ? "about-mvsize" : "about-protdev";
        programHost.onDialogShown = [&](zel::wx::WxDialog& w) {
            Check(zel::wx::SaveScreenshot(&w, Png(name)), std::string("screenshot ") + name + ".png");
            w.Model().UserEnter();
        };
        CDialog about(AboutTemplate(p));
        Check(about.DoModal() == IDOK, std::string(name) + " closes with OK");
    }
    host.Install(context);

    // Every kind of control.
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        CTodos& dlg = static_cast<CTodos&>(w.Model());
        auto* demanda = w.WidgetOf(IDC_DEMANDA);
        auto* origem = w.WidgetOf(IDC_ORIGEM);
        Pump();
        Check(zel::wx::SaveScreenshot(&w, Png("all-controls")), "screenshot all-controls.png");
        const wxColour invalid = ColourInside(&w, demanda);
        Check(Near(invalid, zel::ui::kLvsizeInvalidBackground), "invalid field in RGB(236,0,140): " + Rgb(invalid));
        const wxColour disabled = ColourInside(&w, origem);
        Check(Near(disabled, zel::ui::kLvsizeInvalidBackground), "disabled field keeps its colour: " + Rgb(disabled));
        // Paste through GTK's own paste signal (keys and context menu) and a drop target: refused.
        if (wxTheClipboard->Open()) {
            wxTheClipboard->SetData(new wxTextDataObject("999"));
            wxTheClipboard->Close();
        }
        auto* entry = static_cast<GtkWidget*>(demanda->GetHandle());
        demanda->SetFocus();
        Pump(3);
        g_signal_emit_by_name(entry, "paste-clipboard");
        Pump(3);
        Check(dlg.m_demanda.GetWindowText() == "1.50" &&
                  std::string(static_cast<wxTextCtrl*>(demanda)->GetValue().utf8_str()) == "1.50",
              "paste into the masked edit refused");
        Check(gtk_drag_dest_get_target_list(entry) == nullptr, "the masked edit takes no drops");
        // Text that reaches the entry past the key filter (an input method, an emoji) is put back; the
        // entry's own deletions (the Delete key, cut) reach the model.
        gint at = 0;
        gtk_editable_insert_text(GTK_EDITABLE(entry), "x9", -1, &at);
        Pump(3);
        Check(dlg.m_demanda.GetWindowText() == "1.50" &&
                  std::string(static_cast<wxTextCtrl*>(demanda)->GetValue().utf8_str()) == "1.50",
              "text inserted past the filter is put back");
        gtk_editable_delete_text(GTK_EDITABLE(entry), 3, 4);
        Pump(3);
        Check(dlg.m_demanda.GetWindowText() == "1.5", "a deletion reaches the model: " + dlg.m_demanda.GetWindowText());
        auto* code = static_cast<wxTextCtrl*>(w.WidgetOf(IDC_CODIGO));
        code->SetFocus();
        code->SetInsertionPointEnd();
        Pump(3);
        g_signal_emit_by_name(static_cast<GtkWidget*>(code->GetHandle()), "paste-clipboard");
        Pump(5);
        Check(dlg.GetDlgItemText(IDC_CODIGO) == "QD-1.2999", "a plain edit takes the paste: " + dlg.GetDlgItemText(IDC_CODIGO));
        // Real key presses through the X server into a masked edit: the model filters each one.
        {
            auto* length = static_cast<wxTextCtrl*>(w.WidgetOf(IDC_COMPRIMENTO));
            wxUIActionSimulator keys;
            // With no window manager the keyboard goes where the pointer is.
            const wxRect r = length->GetScreenRect();
            keys.MouseMove(r.GetX() + r.GetWidth() / 2, r.GetY() + r.GetHeight() / 2);
            keys.MouseClick();
            Pump(5);
            length->SetFocus();
            length->SelectAll();
            Pump(5);
            keys.Text("1234567.89");
            Pump(10);
            Check(dlg.m_comprimento.GetWindowText() == "12345.8" && std::string(length->GetValue().utf8_str()) == "12345.8",
                  "keys typed into \"#####.#\" give " + dlg.m_comprimento.GetWindowText());
            keys.Char(WXK_BACK);
            keys.Char('v', wxMOD_CONTROL);  // the clipboard holds "999"
            Pump(10);
            Check(dlg.m_comprimento.GetWindowText() == "12345.", "backspace goes on, Ctrl+V pastes nothing: " +
                                                                    dlg.m_comprimento.GetWindowText());
        }
        // GTK's own texts in Portuguese: the entry's context menu (its "Colar" pastes nothing here).
        {
            gboolean handled = FALSE;
            g_signal_emit_by_name(entry, "popup-menu", &handled);
            Pump(10);
            const wxRect r = w.GetScreenRect();
            GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), r.x, r.y, r.width, r.height);
            Check(shot && gdk_pixbuf_save(shot, Png("entry-context-menu").c_str(), "png", nullptr, nullptr),
                  "screenshot entry-context-menu.png");
            if (shot) g_object_unref(shot);
            if (GtkWidget* grab = gtk_grab_get_current(); grab && GTK_IS_MENU_SHELL(grab))
                gtk_menu_shell_cancel(GTK_MENU_SHELL(grab));
            Pump(5);
        }
        // A click on the disabled OK cannot close; Cancel does.
        w.Model().UserClickButton(IDOK);
        Check(!w.Model().IsEnded(), "disabled OK does not close");
        w.Model().UserClickButton(IDCANCEL);
    };
    CTodos todos;
    Check(todos.DoModal() == IDCANCEL, "dialog with every control closes with Cancel");

    // Protdev's invalid colour.
    zel::wx::WxHost protdevHost(Program::Protdev);
    protdevHost.Install(context);
    protdevHost.parentWindow = frameHost.Frame();
    protdevHost.onDialogShown = [&](zel::wx::WxDialog& w) {
        Check(zel::wx::SaveScreenshot(&w, Png("protdev-fields")), "screenshot protdev-fields.png");
        const wxColour c = ColourInside(&w, w.WidgetOf(1019));
        Check(Near(c, zel::ui::kProtdevInvalidBackground), "Protdev invalid field in yellow: " + Rgb(c));
        w.Model().UserCancel();
    };
    CCurva curva;
    curva.DoModal();
    host.Install(context);

    // A message box with Portuguese buttons.
    host.onMessageShown = [&](wxWindow& box) {
        Pump();
        Check(zel::wx::SaveScreenshot(&box, Png("message-box")), "screenshot message-box.png");
        gtk_dialog_response(GTK_DIALOG(box.GetHandle()), GTK_RESPONSE_NO);
    };
    const int answer = AfxMessageBox("Confirma exclusão do dispositivo de proteção DJ 16 ?", MB_YESNO | MB_ICONQUESTION);
    Check(answer == IDNO, "message box answered Não");

    // The banner.
    const DialogTemplate bannerTemplate = BannerTemplate(168, 170);
    host.onDialogShown = nullptr;
    std::unique_ptr<CDialog> banner = ShowBanner(bannerTemplate);
    Pump(10);
    zel::wx::WxDialog* bannerWindow = host.FindWindowOf(*banner);
    Check(bannerWindow != nullptr, "banner shown");
    if (bannerWindow) {
        const wxRect r = bannerWindow->GetScreenRect();
        const wxSize screen = wxGetDisplaySize();
        Check(r.GetX() == screen.GetWidth() / 2 - 248 && r.GetY() == screen.GetHeight() - 146 && r.GetWidth() == 496 &&
                  r.GetHeight() == 88,
              zel::ui::FormatC("banner at %d,%d %dx%d", r.GetX(), r.GetY(), r.GetWidth(), r.GetHeight()));
        Check(zel::wx::SaveScreenshot(bannerWindow, Png("banner")), "screenshot banner.png");
    }
    banner.reset();

    // Closed as the programs close a project: the window first, then the model.
    frameHost.RemoveChild(child);
    child.MDIDestroy();
    frameHost.Frame()->Destroy();
    Pump(3);
    wxEntryCleanup();
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
