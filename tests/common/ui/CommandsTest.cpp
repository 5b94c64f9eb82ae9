// Commands from menus, tool bar and accelerators: the road they travel, enable and check states asked
// through update handlers, the bars' show and hide commands, context menus and child frames.
#include "Document.h"
#include "HeadlessHost.h"
#include "MainFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int ID_CIRCUITO_INCLUIR = 32771;
constexpr int ID_CIRCUITO_EXCLUIR = 32773;
constexpr int ID_CIRCUITO_CARACTERISTICAS = 32774;
constexpr int ID_CIRCUITO_COPIAR = 32783;
constexpr int ID_NOBODY = 32999;
constexpr int ID_DOC_ONLY = 32998;
constexpr int ID_MAIN_ONLY = 32997;

const MenuTemplate kMainMenu = {128, {Popup("&Arquivo", {MenuItem("&Novo\tCtrl+N", ID_FILE_NEW), MenuSeparator(),
                                                       MenuItem("S&air", ID_APP_EXIT)}),
                                      Popup("&Exibir", {MenuItem("Barra de &ferramentas", ID_VIEW_TOOLBAR),
                                                      MenuItem("&Barra de estado", ID_VIEW_STATUS_BAR)})}};
const MenuTemplate kDocMenu = {129, {Popup("&Projeto", {MenuItem("&Novo\tCtrl+N", ID_FILE_NEW)}),
                                     Popup("&Circuito", {MenuItem("&Incluir ...", ID_CIRCUITO_INCLUIR),
                                                        MenuItem("&Características ...", ID_CIRCUITO_CARACTERISTICAS),
                                                        MenuItem("&Excluir ...", ID_CIRCUITO_EXCLUIR),
                                                        MenuItem("&Copiar", ID_CIRCUITO_COPIAR)})}};
const ToolbarTemplate kToolbar = {128, {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_CIRCUITO_INCLUIR,
                                        ID_CIRCUITO_EXCLUIR}};
const AcceleratorTemplate kAccelerators = {128, {{'N', FCONTROL, ID_FILE_NEW}, {VK_F1, FSHIFT, ID_CONTEXT_HELP},
                                                 {VK_DELETE, 0, ID_CIRCUITO_EXCLUIR}}};

struct Registered {
    Registered() {
        RegisterMenu(kMainMenu);
        RegisterMenu(kDocMenu);
        RegisterToolbar(kToolbar);
        RegisterAccelerators(kAccelerators);
    }
};
const Registered registered;

using Log = std::vector<std::string>;

// Each target notes that the command was offered to it.
template <class Base>
class Traced : public Base {
public:
    Traced(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    bool OnCmdMsg(int nID, const MsgArgs& args = {}) override {
        m_log.push_back(m_name);
        return Base::OnCmdMsg(nID, args);
    }

protected:
    Log& m_log;
    std::string m_name;
};

class TestTemplate : public CDocTemplate {
public:
    TestTemplate(Log& log, std::string name) : CDocTemplate(129), m_log(log), m_name(std::move(name)) {}
    bool OnCmdMsg(int nID, const MsgArgs& args = {}) override {
        m_log.push_back(m_name);
        return CDocTemplate::OnCmdMsg(nID, args);
    }

private:
    Log& m_log;
    std::string m_name;
};

class TestApp : public Traced<CWinApp> {
public:
    using Traced::Traced;
    int newFiles = 0;
    void OnFileNew() { ++newFiles; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

class TestDoc : public CProjectDocument, public Traced<CCmdTarget> {
public:
    using Traced::Traced;
    void OnDocOnly() { m_log.push_back("handled by document"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestDoc, CCmdTarget)
    ON_COMMAND(ID_DOC_ONLY, OnDocOnly)
END_MESSAGE_MAP()

class TestView : public Traced<CTreeView> {
public:
    using Traced::Traced;
    bool circuitSelected = false;
    int deleted = 0;
    int edited = 0;
    void OnCircuitoExcluir() { ++deleted; }
    void OnCircuitoCaracteristicas() { ++edited; }
    void OnCircuitoIncluir() {}
    bool failQuery = false;
    void OnUpdateCircuito(CCmdUI* pCmdUI) {
        if (failQuery) {  // as a handler whose query failed and was reported
            AfxMessageBox("Encontrado ERRO nos arquivos de dados", MB_ICONERROR);
            pCmdUI->Enable(FALSE);
            return;
        }
        pCmdUI->Enable(circuitSelected);
    }
    void OnContextMenu(CWnd* pWnd, CPoint point) {
        CMenu menu;
        menu.LoadMenu(129);
        menu.GetSubMenu(1)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pWnd);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestView, CTreeView)
    ON_COMMAND(ID_CIRCUITO_INCLUIR, OnCircuitoIncluir)
    ON_COMMAND(ID_CIRCUITO_EXCLUIR, OnCircuitoExcluir)
    ON_COMMAND(ID_CIRCUITO_CARACTERISTICAS, OnCircuitoCaracteristicas)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_EXCLUIR, OnUpdateCircuito)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_CARACTERISTICAS, OnUpdateCircuito)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_COPIAR, OnUpdateCircuito)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

class TestMainFrame : public Traced<CMainFrame> {
public:
    using Traced::Traced;
    void OnMainOnly() { m_log.push_back("handled by main frame"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestMainFrame, CMainFrame)
    ON_COMMAND(ID_MAIN_ONLY, OnMainOnly)
END_MESSAGE_MAP()

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(main.LoadFrame(128));
        main.m_pApp = &app;
        child.CreateChild(&main, &docTemplate, &view);
        view.SetDocument(&doc);
        child.ActivateFrame();
        log.clear();
    }
    void TearDown() override { child.MDIDestroy(); }

    Log log;
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};
    TestApp app{log, "application"};
    TestTemplate docTemplate{log, "template"};
    TestDoc doc{log, "document"};
    TestView view{log, "view"};
    Traced<CChildFrame> child{log, "child frame"};
    TestMainFrame main{log, "main frame"};
};

TEST_F(CommandsTest, ACommandTravelsViewDocumentTemplateChildApplicationThenMainFrame) {
    EXPECT_FALSE(main.OnCommand(ID_NOBODY));
    EXPECT_EQ(log, (Log{"view", "document", "template", "child frame", "application", "main frame", "application"}));
    log.clear();
    EXPECT_TRUE(main.OnCommand(ID_DOC_ONLY));
    EXPECT_EQ(log, (Log{"view", "document", "handled by document"}));
    log.clear();
    EXPECT_TRUE(main.OnCommand(ID_MAIN_ONLY));
    EXPECT_EQ(log, (Log{"view", "document", "template", "child frame", "application", "main frame",
                        "handled by main frame"}));
}

TEST_F(CommandsTest, WithoutAChildTheMainFrameAndTheApplicationRemain) {
    child.MDIDestroy();
    EXPECT_EQ(main.MDIGetActive(), nullptr);
    EXPECT_TRUE(main.OnCommand(ID_FILE_NEW));
    EXPECT_EQ(log, (Log{"main frame", "application"}));
    EXPECT_EQ(app.newFiles, 1);
}

TEST_F(CommandsTest, AnUpdateHandlerDisablesTheMenuItemAndTheToolBarButtonTogether) {
    main.OnIdleUpdate();
    CMenu& menu = main.GetCurrentMenu();  // the document's menu while a child is active
    main.OnInitMenuPopup(*menu.GetSubMenu(1));
    EXPECT_FALSE(main.m_wndToolBar.FindButton(ID_CIRCUITO_EXCLUIR)->enabled);
    EXPECT_FALSE(menu.FindItem(ID_CIRCUITO_EXCLUIR)->enabled);
    EXPECT_TRUE(menu.FindItem(ID_CIRCUITO_INCLUIR)->enabled);  // a handler and no update handler
    EXPECT_FALSE(main.m_wndToolBar.FindButton(ID_FILE_OPEN)->enabled);  // nobody handles it
    EXPECT_TRUE(main.m_wndToolBar.FindButton(ID_FILE_NEW)->enabled);
    // A disabled command is not sent, whether from the menu, the button or an accelerator.
    EXPECT_FALSE(main.OnCommand(ID_CIRCUITO_EXCLUIR));
    EXPECT_TRUE(main.TranslateAccelerator(VK_DELETE, 0));
    EXPECT_EQ(view.deleted, 0);

    view.circuitSelected = true;
    main.OnIdleUpdate();
    main.OnInitMenuPopup(*menu.GetSubMenu(1));
    EXPECT_TRUE(main.m_wndToolBar.FindButton(ID_CIRCUITO_EXCLUIR)->enabled);
    EXPECT_TRUE(menu.FindItem(ID_CIRCUITO_EXCLUIR)->enabled);
    EXPECT_TRUE(main.OnCommand(ID_CIRCUITO_EXCLUIR));
    EXPECT_TRUE(main.TranslateAccelerator(VK_DELETE, 0));
    EXPECT_EQ(view.deleted, 2);
}

TEST_F(CommandsTest, AnUpdateHandlerNeverShowsAMessage) {
    view.failQuery = true;
    view.circuitSelected = true;
    main.OnIdleUpdate();
    main.OnInitMenuPopup(*main.GetCurrentMenu().GetSubMenu(1));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(main.m_wndToolBar.FindButton(ID_CIRCUITO_EXCLUIR)->enabled);
    EXPECT_EQ(context.messages, &host);  // restored after the update
    AfxMessageBox("depois");
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(CommandsTest, AcceleratorsSendTheirCommands) {
    EXPECT_TRUE(main.TranslateAccelerator('N', FCONTROL));
    EXPECT_EQ(app.newFiles, 1);
    EXPECT_FALSE(main.TranslateAccelerator('N', 0));
    EXPECT_TRUE(main.TranslateAccelerator(VK_F1, FSHIFT));  // matched, though no handler takes it
}

TEST_F(CommandsTest, TheBarsHideAndShowAndTheToolBarComesBackDocked) {
    CMenu& menu = main.GetMenu();
    main.OnInitMenuPopup(*menu.GetSubMenu(1));
    EXPECT_TRUE(menu.FindItem(ID_VIEW_TOOLBAR)->checked);
    EXPECT_EQ(main.m_wndToolBar.GetDockedEdge(), CBRS_ALIGN_TOP);
    EXPECT_TRUE(main.OnCommand(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(main.m_wndToolBar.IsWindowVisible());
    main.OnInitMenuPopup(*menu.GetSubMenu(1));
    EXPECT_FALSE(menu.FindItem(ID_VIEW_TOOLBAR)->checked);
    EXPECT_TRUE(main.OnCommand(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(main.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(main.m_wndToolBar.GetDockedEdge(), CBRS_ALIGN_TOP);
    EXPECT_TRUE(main.OnCommand(ID_VIEW_STATUS_BAR));
    EXPECT_FALSE(main.m_wndStatusBar.IsWindowVisible());
}

TEST_F(CommandsTest, TheStatusBarShowsMessagesAndTheLockKeys) {
    const CStatusBar& bar = main.m_wndStatusBar;
    ASSERT_EQ(bar.Panes().size(), 4u);
    EXPECT_EQ(bar.GetShownText(0), "Pronto");
    host.keysToggled[ID_INDICATOR_CAPS] = true;
    host.keysToggled[ID_INDICATOR_SCRL] = true;
    main.OnIdleUpdate();
    EXPECT_EQ(bar.GetShownText(1), "CAP");
    EXPECT_EQ(bar.GetShownText(2), "");
    EXPECT_EQ(bar.GetShownText(3), "SCRL");
    RegisterString(ID_CIRCUITO_EXCLUIR, "Exclui o circuito selecionado\nExcluir");
    main.OnMenuSelect(ID_CIRCUITO_EXCLUIR);
    EXPECT_EQ(bar.GetShownText(0), "Exclui o circuito selecionado");
    EXPECT_EQ(CommandTooltip(ID_CIRCUITO_EXCLUIR), "Excluir");
    main.OnMenuSelect(0);
    EXPECT_EQ(bar.GetShownText(0), "Pronto");
}

TEST_F(CommandsTest, AContextMenuFromTheViewUpdatesItsItemsAndRoutesTheChoice) {
    host.ChooseFromPopup(ID_CIRCUITO_CARACTERISTICAS);  // disabled: nothing happens
    view.GetTreeCtrl().UserRightClick({40, 50});
    EXPECT_EQ(view.edited, 0);
    view.circuitSelected = true;
    host.ChooseFromPopup(ID_CIRCUITO_CARACTERISTICAS);
    view.GetTreeCtrl().UserRightClick({40, 50});
    EXPECT_EQ(view.edited, 1);
    ASSERT_GE(host.transcript.size(), 2u);
    EXPECT_NE(host.transcript[0].find("\"&Excluir ...\" (off)"), std::string::npos) << host.Transcript();
    EXPECT_EQ(host.transcript[1].find("(off)"), std::string::npos) << host.Transcript();
}

TEST_F(CommandsTest, AChildFrameOpensMaximizedAndKeepsAnExplicitShowCommand) {
    EXPECT_EQ(child.GetShowState(), SW_SHOWMAXIMIZED);
    EXPECT_EQ(main.MDIGetActive(), &child);
    child.ActivateFrame(SW_SHOWNORMAL);
    EXPECT_EQ(child.GetShowState(), SW_SHOWNORMAL);
}

TEST(SdiCommands, ProtdevOrderIsViewDocumentTemplateFrameApplication) {
    Log log;
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};
    TestApp app{log, "application"};
    TestTemplate docTemplate{log, "template"};
    TestDoc doc{log, "document"};
    // The frame outlives its view, as the program's does.
    Traced<CSdiMainFrame> frame{log, "frame"};
    TestView view{log, "view"};
    ASSERT_TRUE(frame.LoadFrame(128));
    frame.m_pApp = &app;
    frame.m_pTemplate = &docTemplate;
    view.SetDocument(&doc);
    view.SetParentFrame(&frame);
    frame.SetActiveView(&view);
    log.clear();
    EXPECT_FALSE(frame.OnCommand(ID_NOBODY));
    EXPECT_EQ(log, (Log{"view", "document", "template", "frame", "application"}));
}

}  // namespace
