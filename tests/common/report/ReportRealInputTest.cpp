// The reports of both sizing programs driven through the X server as a user would, on a machine without a
// CUPS printer: F9 on a circuit and the project's "Calcular" show the preview, "Salvar PDF…" and Ctrl+S
// write the report where the user types, "Imprimir" asks for a file, and a file that cannot be written is
// told and leaves nothing behind.
#include "RealInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
namespace ri = zel::realinput;

namespace {

struct Programa {
    const char* nome;
    const char* modelo;    // the empty project the example is written into
    const char* exemplo;   // its circuits, as SQL
    const char* janela;    // the main window's title with the example open
    const char* previa;    // the preview's title
    const char* circuito;  // a top-level circuit that sizes
    const char* programa;  // the title of its message boxes
};

const Programa kLvsize{"lvsize", "ZelBt02.zel", ZEL_LVSIZE_EXEMPLO_SQL, "Lvsize - exemplo", "Vardek - LVSIZE 4.0",
                       "AR-COND", "Lvsize"};
const Programa kMvsize{"mvsize", "ZelMt02.zel", ZEL_MVSIZE_EXEMPLO_SQL, "Mvsize - exemplo", "Vardek - MVSIZE 4.0",
                       "BOMBAS", "Mvsize"};
const std::string kEscolha = "Salvar relatório em PDF";

std::string TextoPdf(const fs::path& pdf)
{
    std::string texto;
    std::FILE* p = ::popen(("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null").c_str(), "r");
    if (!p)
        return texto;
    std::array<char, 4096> b{};
    for (size_t n; (n = std::fread(b.data(), 1, b.size(), p)) > 0;)
        texto.append(b.data(), n);
    ::pclose(p);
    return texto;
}

const ri::Button* Botao(const ri::Screen& sc, const std::string& janela, const std::string& rotulo)
{
    return sc.FindButton(janela, rotulo);
}

bool TemRotulo(const ri::Screen& sc, const std::string& janela, const std::string& inicio)
{
    const ri::Window* w = sc.FindWindow(janela);
    if (!w)
        return false;
    for (const std::string& l : w->labels)
        if (l.rfind(inicio, 0) == 0)
            return true;
    return false;
}

// The zoom the preview shows, "141%".
std::string Zoom(const ri::Screen& sc, const std::string& previa)
{
    if (const ri::Window* w = sc.FindWindow(previa))
        for (const std::string& l : w->labels)
            if (!l.empty() && l.back() == '%')
                return l;
    return {};
}

// The project file of the example with 30 copies of its circuit, so that the project's report has more than
// one page; opened, the main window active.
fs::path Abrir(ri::Session& s, const Programa& p)
{
    const fs::path projeto = s.WorkDir() / (std::string("exemplo.") + (p.nome[0] == 'l' ? "lvp" : "mvp"));
    fs::copy_file(ri::BinDir() / p.modelo, projeto);
    s.Run({"sqlite3", projeto.string(), std::string(".read ") + p.exemplo});
    const std::string copias =
        std::string("CREATE TEMP TABLE c AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30) "
                    "SELECT circuito.*, i AS copia FROM circuito, n WHERE circuito_codigo = '") + p.circuito + "';"
        "CREATE TEMP TABLE t AS SELECT circuito_x_tabela_selecao.*, copia FROM circuito_x_tabela_selecao JOIN c "
        "USING (circuito_sequencial);"
        "UPDATE c SET circuito_sequencial = 100 + copia, circuito_codigo = circuito_codigo || '-' || copia;"
        "UPDATE t SET circuito_sequencial = 100 + copia;"
        "ALTER TABLE c DROP COLUMN copia; ALTER TABLE t DROP COLUMN copia;"
        "INSERT INTO circuito SELECT * FROM c; INSERT INTO circuito_x_tabela_selecao SELECT * FROM t;";
    s.Run({"sqlite3", projeto.string(), copias});
    // The PDF chooser opens first in the user's documents folder: here the project's, so that names are typed
    // without a folder (see Digitar).
    fs::create_directories(s.Folder() / "home/.config");
    std::ofstream(s.Folder() / "home/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << s.WorkDir().string() << "\"\n";
    s.Launch({p.nome, {projeto.string()}});
    s.WaitFor([&](const ri::Screen& sc) {
        for (const ri::Item& i : sc.ItemsOf(p.janela, 0))
            if (i.text == p.circuito && i.rect.Valid())
                return true;
        return false;
    }, "the main window with the circuit in its tree");
    return projeto;
}

// In the file chooser that just opened: the whole name replaced by the path typed, then Enter.
void Digitar(ri::Session& s, const fs::path& alvo, const std::string& foto = {})
{
    // Without a window manager the keys go to the window under the pointer, as the user's hand would be.
    const ri::Rect r = s.WaitWindow(kEscolha).FindWindow(kEscolha)->rect;
    s.Run({"xdotool", "mousemove", "--sync", std::to_string(r.CentreX()), std::to_string(r.CentreY())});
    if (!foto.empty())
        s.Screenshot(foto);
    s.Key("ctrl+a");
    // The chooser opens in the project's folder. A whole path typed there races GTK's completion of each
    // folder name when the program is slow (seen under the sanitizers: "/tmp/ci/zel" arrived as "/tmp/czel").
    s.Type(alvo.parent_path() == s.WorkDir() ? alvo.filename().string() : alvo.string());
    s.Key("Return");
}

// Saves what the preview shows through its button, or through Ctrl+S; waits for the file.
void SalvarPdf(ri::Session& s, const std::string& previa, const fs::path& alvo, bool peloTeclado)
{
    if (peloTeclado)
        s.Key("ctrl+s");
    else
        s.ClickButton(previa, "Salvar PDF…");
    Digitar(s, alvo, peloTeclado ? "" : "escolha-do-arquivo");
    s.WaitWindowGone(kEscolha);
    s.WaitFor([&](const ri::Screen&) { return fs::exists(alvo); }, "the PDF " + alvo.string());
}

void Roteiro(const Programa& p, bool gerenciadorDeJanelas)
{
    ri::Session s;
    if (gerenciadorDeJanelas)
        s.StartWindowManager();
    const fs::path projeto = Abrir(s, p);

    // F9 on a circuit: its report in the preview, at the page's width; no CUPS printer, so "Imprimir…"
    // says why it cannot print.
    s.ClickItem(p.janela, 0, p.circuito);
    s.Key("F9");
    ri::Screen tela = s.WaitWindow(p.previa);
    const ri::Button* imprimir = Botao(tela, p.previa, "Imprimir…");
    ASSERT_TRUE(imprimir) << tela.Describe();
    EXPECT_FALSE(imprimir->enabled);
    ASSERT_TRUE(Botao(tela, p.previa, "Salvar PDF…"));
    EXPECT_TRUE(Botao(tela, p.previa, "Salvar PDF…")->enabled);
    EXPECT_TRUE(TemRotulo(tela, p.previa, "Página 1 de ")) << tela.Describe();
    s.Run({"xdotool", "mousemove", std::to_string(imprimir->rect.CentreX()), std::to_string(imprimir->rect.CentreY())});
    s.WaitFor([](const ri::Screen& sc) {
        for (const ri::Window& w : sc.windows)
            if (w.popup)
                return true;
        return false;
    }, "the tool tip of the disabled print button");
    s.Screenshot("previa-circuito");
    // Ctrl+P says the same in a message box over the preview; its OK is within reach.
    s.Key("ctrl+p");
    s.WaitFor([&](const ri::Screen& sc) { return TemRotulo(sc, p.programa, "Nenhuma impressora está instalada"); },
              "the message that there is no printer");
    s.Screenshot("sem-impressora");
    s.ClickButton(p.programa, "OK");
    s.WaitFor([&](const ri::Screen& sc) { return !TemRotulo(sc, p.programa, "Nenhuma impressora está instalada"); },
              "the message closed");

    const fs::path circuito = s.WorkDir() / "relatório do circuito.pdf";
    SalvarPdf(s, p.previa, circuito, false);
    std::string texto = TextoPdf(circuito);
    EXPECT_NE(texto.find("Seção nominal dos condutores"), std::string::npos) << texto;
    EXPECT_NE(texto.find(p.circuito), std::string::npos) << texto;
    s.ClickButton(p.previa, "Fechar");
    s.WaitWindowGone(p.previa);

    // "Imprimir" with no CUPS printer: the print options, then the file the user names.
    s.ChooseMenu({"&Circuito", "I&mprimir"});
    s.WaitWindow("Impressão");
    s.ClickControl("Impressão", 1);
    const fs::path impresso = s.WorkDir() / "impresso.pdf";
    Digitar(s, impresso);
    s.WaitFor([&](const ri::Screen&) { return fs::exists(impresso); }, "the printed PDF");
    EXPECT_NE(TextoPdf(impresso).find("Seção nominal dos condutores"), std::string::npos);

    // "Projeto > Calcular": every circuit in the project's report, saved with Ctrl+S.
    s.ChooseMenu({"&Projeto", "&Calcular ..."});
    tela = s.WaitWindow(p.previa);
    // The page keys turn the pages, the zoom keys change the zoom.
    const std::string paginas = tela.FindWindow(p.previa) ? [&] {
        for (const std::string& l : tela.FindWindow(p.previa)->labels)
            if (l.rfind("Página 1 de ", 0) == 0)
                return l.substr(std::string("Página 1 de ").size());
        return std::string();
    }() : std::string();
    ASSERT_GE(std::atoi(paginas.c_str()), 2) << tela.Describe();
    const struct {
        const char* tecla;
        std::string pagina;
    } passos[] = {{"Next", "2"}, {"End", paginas}, {"Prior", std::to_string(std::atoi(paginas.c_str()) - 1)},
                  {"Home", "1"}};
    for (const auto& passo : passos) {
        s.Key(passo.tecla);
        s.WaitFor([&](const ri::Screen& sc) { return TemRotulo(sc, p.previa, "Página " + passo.pagina + " de "); },
                  std::string("page ") + passo.pagina + " after " + passo.tecla);
    }
    const std::string zoom = Zoom(s.Probe(), p.previa);
    ASSERT_FALSE(zoom.empty()) << tela.Describe();
    s.Key("plus");
    s.WaitFor([&](const ri::Screen& sc) { return std::stoi(Zoom(sc, p.previa)) > std::stoi(zoom); }, "a larger zoom");
    s.Key("minus");
    s.WaitFor([&](const ri::Screen& sc) { return Zoom(sc, p.previa) == zoom; }, "the zoom back");
    s.Screenshot("previa-projeto");
    const fs::path relatorio = s.WorkDir() / "projeto.pdf";
    SalvarPdf(s, p.previa, relatorio, true);
    const std::string projetoTexto = TextoPdf(relatorio);
    const auto codigos = ri::Query(projeto, "SELECT circuito_codigo FROM circuito");
    ASSERT_GE(codigos.size(), 30u);
    for (const auto& linha : codigos)
        EXPECT_NE(projetoTexto.find(linha[0] + " "), std::string::npos) << linha[0] << "\n" << projetoTexto;

    // A folder no one may write in, root included: the user is told, and nothing is left there.
    s.Key("ctrl+s");
    Digitar(s, "/sys/relatorio.pdf");
    tela = s.WaitFor([&](const ri::Screen& sc) { return TemRotulo(sc, p.programa, "Não foi possível gravar"); },
                     "the failure told");
    EXPECT_TRUE(TemRotulo(tela, p.programa, "Não foi possível gravar /sys/relatorio.pdf: ")) << tela.Describe();
    s.Screenshot("falha");
    s.ClickButton(p.programa, "OK");
    s.WaitFor([&](const ri::Screen& sc) { return !TemRotulo(sc, p.programa, "Não foi possível gravar"); },
              "the message closed");
    EXPECT_FALSE(fs::exists("/sys/relatorio.pdf"));
    for (const auto& e : fs::directory_iterator("/sys"))
        EXPECT_NE(e.path().filename().string().rfind(".ZEL", 0), 0u) << e.path();
}

}  // namespace

TEST(RelatorioReal, LvsizePreviewsWithoutAPrinterAndSavesItsReportsAsPdf) { Roteiro(kLvsize, false); }

// Under a window manager, as on a desktop: the preview maximized, focus given by the manager.
TEST(RelatorioReal, MvsizePreviewsWithoutAPrinterAndSavesItsReportsAsPdf) { Roteiro(kMvsize, true); }
