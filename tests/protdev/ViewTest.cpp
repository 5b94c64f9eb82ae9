// The device tree and its commands, and the program's start-up and exit, driven headless.
#include "Disjuntor.h"
#include "Fusivel.h"
#include "Splash.h"
#include "UiFixture.h"

#include "DaoDatabase.h"

#include <sys/wait.h>
#include <unistd.h>

using namespace prottest;
using Rows = std::vector<std::string>;

namespace {

// The tree as lines "text [image] #data", children indented by two blanks; "*" marks the selection.
void Dump(const CTreeCtrl& tree, const std::list<std::unique_ptr<TreeItem>>& items, int depth, Rows& out)
{
    for (const auto& item : items) {
        std::string line = std::string(static_cast<size_t>(depth) * 2, ' ') + item->text + " [" +
                           std::to_string(item->image) + "] #" + std::to_string(item->data);
        if (item->selectedImage != item->image)
            line += " selected image " + std::to_string(item->selectedImage);
        if (item->expanded)
            line += " (expanded)";
        if (tree.GetSelectedItem() == item.get())
            line += " *";
        out.push_back(line);
        Dump(tree, item->children, depth + 1, out);
    }
}

Rows Lines(CProtdevView& view)
{
    Rows out;
    Dump(view.GetTreeCtrl(), view.GetTreeCtrl().Roots(), 0, out);
    return out;
}

HTREEITEM Find(CTreeCtrl& tree, const std::string& text, HTREEITEM from = nullptr)
{
    for (HTREEITEM item = from ? tree.GetChildItem(from) : tree.GetRootItem(); item;
         item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == text)
            return item;
        if (HTREEITEM inside = Find(tree, text, item))
            return inside;
    }
    return nullptr;
}

class ProtdevTree : public ProtdevUi {
protected:
    explicit ProtdevTree(const std::string& rows = kSampleRows) : ProtdevUi(rows, false) {}
    void Start() { ASSERT_TRUE(app.InitInstance()); }
    CProtdevView& View() { return *app.GetView(); }
    CTreeCtrl& Tree() { return View().GetTreeCtrl(); }
    CSdiMainFrame& Frame() { return *app.GetMainFrame(); }
    // Enabled state of a command as the menus and the tool bar ask it.
    bool Enabled(int id)
    {
        CCmdUI ui(id);
        UpdateCommandUI(Frame().GetCommandRoute(), ui);
        return ui.m_enabled;
    }
    void Select(const std::string& text)
    {
        HTREEITEM item = Find(Tree(), text);
        ASSERT_NE(item, nullptr) << text;
        Tree().UserSelect(item);
    }
};

class ProtdevEmptyTree : public ProtdevTree {
protected:
    ProtdevEmptyTree() : ProtdevTree("") {}
};

}  // namespace

TEST_F(ProtdevEmptyTree, ShowsOnlyTheTwoRootsAndOnlyTheNewCommands)
{
    Start();
    EXPECT_EQ(Lines(View()), (Rows{"Disjuntores [0] #0 *", "Fusiveis [1] #0"}));
    EXPECT_EQ(View().NivelSelecionado(), 1);
    EXPECT_TRUE(Enabled(ID_DISJUNTOR_INCLUIR));
    EXPECT_TRUE(Enabled(ID_FUSIVEL_INCLUIR));
    EXPECT_FALSE(Enabled(ID_DISPOSITIVO_EXCLUIR));
    EXPECT_FALSE(Enabled(ID_DISJUNTOR_ALTERAR));
    EXPECT_FALSE(Enabled(ID_FUSIVEL_ALTERAR));
    // The start-up: the splash came and went, the window shows the document's title, maximized.
    EXPECT_NE(host.Transcript().find("show 149"), std::string::npos);
    EXPECT_NE(host.Transcript().find("hide 149"), std::string::npos);
    EXPECT_EQ(g_pSplash, nullptr);
    EXPECT_EQ(Frame().GetWindowText(), "Dispositivos de proteção de baixa tensão - Protdev");
    EXPECT_EQ(Frame().GetShowState(), SW_SHOWMAXIMIZED);
    EXPECT_EQ(Tree().GetStyle() & (TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT),
              TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
    EXPECT_TRUE(host.messages.empty());
    app.ExitInstance();
}

TEST_F(ProtdevTree, GroupsBreakersByVoltageInAscendingOrder)
{
    zeltest::RunSql(Library(), "INSERT INTO dispositivo_protecao VALUES (5, 'Residencial', 220);"
                               "INSERT INTO dispositivo_protecao VALUES (6, 'Motor', 127);");
    Start();
    EXPECT_EQ(Lines(View()), (Rows{"Disjuntores [0] #0 *", "  127 v [2] #0", "    Motor [0] #6", "  220 v [2] #0",
                                  "    DIN curva C [0] #1", "    DIN curva B [0] #2", "    Residencial [0] #5",
                                  "  380 v [2] #0", "    Caixa moldada [0] #3", "Fusiveis [1] #0",
                                  "  NH gG [1] #4"}));
    app.ExitInstance();
}

TEST_F(ProtdevTree, TheSelectionDecidesTheCommandsTheDoubleClickAndTheContextMenu)
{
    Start();
    struct Case {
        const char* item;
        int level;
    };
    for (const Case& c : {Case{"NH gG", 2}, Case{"Caixa moldada", 3}, Case{"220 v", 0}, Case{"Fusiveis", 0}}) {
        Select(c.item);
        EXPECT_EQ(View().NivelSelecionado(), c.level) << c.item;
        EXPECT_EQ(Enabled(ID_DISPOSITIVO_EXCLUIR), c.level == 2 || c.level == 3) << c.item;
        EXPECT_EQ(Enabled(ID_DISJUNTOR_ALTERAR), c.level == 3) << c.item;
        EXPECT_EQ(Enabled(ID_FUSIVEL_ALTERAR), c.level == 2) << c.item;
        EXPECT_TRUE(Enabled(ID_DISJUNTOR_INCLUIR));
    }
    EXPECT_EQ(View().CodigoItem(Find(Tree(), "Caixa moldada")), 3);

    // A voltage node: no popup, a double click only opens or closes it.
    Select("220 v");
    host.transcript.clear();
    Tree().UserRightClick({40, 50});
    Tree().UserDoubleClick(Find(Tree(), "220 v"));
    EXPECT_TRUE(Find(Tree(), "220 v")->expanded);
    EXPECT_EQ(host.Transcript(), "");

    // A fuse: the "Fusível" menu; a breaker: the "Disjuntor" menu, whose "Alterar" opens that breaker.
    Select("NH gG");
    Tree().UserRightClick({40, 50});
    EXPECT_NE(host.Transcript().find("popup at 40,50 [\"&Incluir ...\", \"&Alterar ...\", \"&Excluir ...\"] -> 0"),
              std::string::npos);
    Select("Caixa moldada");
    std::string shown;
    host.OnDialog(IDD_DISJUNTOR, [&](DialogDriver& d) {
        shown = d.Text(IDC_DESCRICAO) + "/" + d.Text(IDC_TENSAO);
        d.Escape();
    });
    host.ChooseFromPopup(ID_DISJUNTOR_ALTERAR);
    Tree().UserRightClick({10, 20});
    EXPECT_EQ(shown, "Caixa moldada/ 380");

    // Double clicks open the device's own dialog.
    host.OnDialog(IDD_FUSIVEL, [&](DialogDriver& d) {
        shown = d.Text(IDC_DESCRICAO);
        d.Escape();
    });
    Tree().UserDoubleClick(Find(Tree(), "NH gG"));
    EXPECT_EQ(shown, "NH gG");
    host.OnDialog(IDD_DISJUNTOR, [&](DialogDriver& d) {
        shown = d.Text(IDC_DESCRICAO);
        d.Escape();
    });
    Tree().UserDoubleClick(Find(Tree(), "DIN curva B"));
    EXPECT_EQ(shown, "DIN curva B");
    EXPECT_TRUE(host.messages.empty());
    app.ExitInstance();
}

TEST_F(ProtdevTree, DeletingAsksFirstAndRemovesTheDeviceWithItsRows)
{
    Start();
    Select("DIN curva C");
    const Rows tree = Lines(View());
    const Rows rows = AllRows(Library());
    host.AnswerMessage(IDNO);
    Frame().OnCommand(ID_DISPOSITIVO_EXCLUIR);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Confirma exclusão do dispositivo de proteção DIN curva C ?");
    EXPECT_EQ(host.messages[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Lines(View()), tree);
    EXPECT_EQ(AllRows(Library()), rows);

    host.AnswerMessage(IDYES);
    Frame().OnCommand(ID_DISPOSITIVO_EXCLUIR);
    EXPECT_TRUE(DeviceRows(Library(), 1).empty());
    EXPECT_EQ(Lines(View()), (Rows{"Disjuntores [0] #0 *", "  220 v [2] #0", "    DIN curva B [0] #2",
                                  "  380 v [2] #0", "    Caixa moldada [0] #3", "Fusiveis [1] #0",
                                  "  NH gG [1] #4"}));
    EXPECT_EQ(host.messages.size(), 2u);
    app.ExitInstance();
}

TEST_F(ProtdevTree, ACancelledDialogLeavesTheTreeUntouched)
{
    Start();
    Select("NH gG");
    const Rows tree = Lines(View());
    host.OnDialog(IDD_DISJUNTOR, [](DialogDriver& d) {
        Put(d, IDC_DESCRICAO, "Novo");
        d.Escape();
    });
    Frame().OnCommand(ID_DISJUNTOR_INCLUIR);
    EXPECT_EQ(Lines(View()), tree);
    EXPECT_EQ(host.waitCursorDepth, 0);
    app.ExitInstance();
}

TEST_F(ProtdevTree, ALibraryLockedByAnotherProcessIsReportedOnceAndTheProgramStaysUsable)
{
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        close(release[1]);
        CDaoDatabase held;
        held.Open(Library(), true);
        char c = 1;
        (void)!write(ready[1], &c, 1);
        (void)!read(release[0], &c, 1);
        _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    close(ready[0]);

    Start();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("em uso por outro programa"), std::string::npos);
    EXPECT_EQ(Lines(View()), (Rows{"Disjuntores [0] #0 *", "Fusiveis [1] #0"}));
    EXPECT_EQ(fx.Log().rfind("Data 07/03/2008 / Hora 09:05 / Local : CProtdevApp::InitInstance / Erro DB : ", 0), 0u);
    const std::string log = fx.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);

    // Still usable: menus update, dialogs open and close, the about box shows.
    EXPECT_TRUE(Enabled(ID_DISJUNTOR_INCLUIR));
    host.OnDialog(IDD_FUSIVEL, [](DialogDriver& d) { d.Escape(); });
    Frame().OnCommand(ID_FUSIVEL_INCLUIR);
    host.OnDialog(IDD_ABOUTBOX, [](DialogDriver& d) { d.Click(IDOK); });
    Frame().OnCommand(ID_APP_ABOUT);
    EXPECT_NE(host.Transcript().find("close 100 -> 1"), std::string::npos);
    EXPECT_EQ(host.messages.size(), 1u);
    app.ExitInstance();

    close(release[1]);
    int status = 0;
    waitpid(pid, &status, 0);
}

TEST_F(ProtdevTree, StartedElsewhereTheProgramReportsTheMissingLibraryThere)
{
    const auto elsewhere = fx.dir.Path() / "outra";
    std::filesystem::create_directory(elsewhere);
    zeltest::ScopedCurrentDir cwd(elsewhere);
    Start();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Lines(View()), (Rows{"Disjuntores [0] #0 *", "Fusiveis [1] #0"}));
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "ZEL.LOG"));
    EXPECT_FALSE(std::filesystem::exists(fx.dir.File("ZEL.LOG")));
    app.ExitInstance();
}

TEST_F(ProtdevTree, TheLibraryIsHeldExclusivelyUntilExit)
{
    Start();
    auto otherCanOpen = [&] {
        const pid_t pid = fork();
        if (pid == 0) {
            try {
                CDaoDatabase other;
                other.Open(Library(), false, true);
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_FALSE(otherCanOpen());
    app.ExitInstance();
    EXPECT_TRUE(otherCanOpen());
    EXPECT_EQ(ProtdevDatabase(), nullptr);
}
