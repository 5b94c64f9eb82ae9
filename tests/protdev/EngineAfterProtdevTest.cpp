// What Protdev writes is what Lvsize sizes with: a fuse's ratings changed through the fuse dialogs, then a
// circuit protected by that fuse sized by the engine's command-line driver on the same library file.
#include "Fusivel.h"
#include "FusivelCorrenteNominal.h"
#include "UiFixture.h"

#include "EngineTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace fs = std::filesystem;
using prottest::Put;

namespace {

constexpr BYTE kFusivelGG = 4;  // the shipped library's gG fuse

// 15 A at 220 V, B1, insulated Cu PVC conductors, 10 m, on the gG fuse.
void Projeto(const std::string& library, const std::string& target)
{
    lvtest::Ambiente a(library);
    lvtest::Circuito c;
    c.codigo = "TUG";
    c.maneira = 3;
    c.sistema = 1;
    c.cabo = 1;
    c.U0 = 220;
    c.L = 10;
    c.corrente = 15;
    c.secaoMinima = 1.5f;
    c.dispositivo = kFusivelGG;
    c.fatorDisjuntor = 0;
    c.respostas = {{13, 1}};
    a.Inserir(c);
    a.projeto.Close();
    a.catalogo.Close();
    fs::copy_file(a.dir.File("projeto.lvp"), target, fs::copy_options::overwrite_existing);
}

std::string Dimensionar(const zeltest::TempDir& dir, const std::string& library, const std::string& project)
{
    const std::string out = dir.File("saida.txt");
    const std::string cmd = std::string("'") + PROTDEV_ENGINE_DRIVER + "' -c '" + library + "' '" + project +
                            "' TUG >'" + out + "' 2>&1";
    const int rc = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 0) << zeltest::ReadFile(out);
    return zeltest::ReadFile(out);
}

std::string Dispositivo(const std::string& project)
{
    return zeltest::QueryText(project, "SELECT circuito_corrente_nominal_dispositivo_protecao FROM circuito");
}

}  // namespace

TEST(EngineAfterProtdev, ASizedCircuitUsesTheFuseRatingsProtdevWrote)
{
    if (!fs::exists(lvtest::ShippedCatalogue()))
        GTEST_FAIL() << "the shipped library was not built: " << lvtest::ShippedCatalogue();
    zeltest::TempDir dir;
    const std::string library = dir.File("ZelBt01.zel");
    fs::copy_file(lvtest::ShippedCatalogue(), library);
    const std::string header = "circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n";

    // As shipped: 16 A is the first rating at or above 15 A, and its alfa of 1.6 calls for 2.5 mm2.
    Projeto(library, dir.File("antes.lvp"));
    EXPECT_EQ(Dimensionar(dir, library, dir.File("antes.lvp")), header + "TUG\t1\t2.5\tProteção contra sobrecarga\t\n");
    EXPECT_EQ(Dispositivo(dir.File("antes.lvp")), "Fus. 1 x 16 A");

    // Protdev adds a 15 A rating with alfa 1.3 to that fuse and removes its 16 A one.
    {
        zeltest::ScopedCurrentDir cwd(dir.Path());
        CAppContext context;
        FixedClock clock({2024, 5, 6, 10, 30, 0});
        context.clock = &clock;
        HeadlessHost host(context);
        ScopedAppContext scope(context);
        RegisterProtdevResources();
        CProtdevApp app;
        ASSERT_TRUE(app.OpenLibrary());
        CFusivel dlg;
        dlg.m_codigo = kFusivelGG;
        host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, [](DialogDriver& d) {
            prottest::TypeFuseRating(d, "15", "50000", "80", "1.3");
            d.Click(IDOK);
        });
        const int result = host.Run(dlg, [](DialogDriver& d) {
            d.Click(IDC_INCLUIR);
            d.Select(IDC_CORRENTES, "  16").Click(IDC_EXCLUIR);
            d.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_TRUE(host.messages.empty());
        app.CloseLibrary();
    }
    EXPECT_EQ(zeltest::QueryText(library, "SELECT group_concat(fusivel_corrente_nominal) FROM fusivel_corrente_nominal "
                                          "WHERE dispositivo_protecao_codigo=4 AND fusivel_corrente_nominal<=20"),
              "2,4,6,10,15,20");

    // Sized again on the changed library: the new 15 A rating protects 1.5 mm2.
    Projeto(library, dir.File("depois.lvp"));
    EXPECT_EQ(Dimensionar(dir, library, dir.File("depois.lvp")), header + "TUG\t1\t1.5\tCapacidade de corrente\t\n");
    EXPECT_EQ(Dispositivo(dir.File("depois.lvp")), "Fus. 1 x 15 A");
}
