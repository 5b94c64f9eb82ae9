#pragma once
// A sizing program's dialogs on a project as the program holds it: a copy of the shipped template as the
// active document's working database and the shipped catalogue (or a copy a test changed) as the reference
// database, in a fresh folder that is also the current one (ZEL.LOG goes there). The clock and the host are
// the caller's: headless tests install the headless host, the screen tests wx's.

#include "Clock.h"
#include "HeadlessHost.h"
#include "ProjetoAberto.h"

#include <string>

namespace dlgtest {

struct Programa {
    const char* catalogo;  // the shipped catalogue's file name
    const char* modelo;    // the shipped project template's
    const char* titulo;    // the application's title in messages
};
inline constexpr Programa kLvsize{"ZelBt01.zel", "ZelBt02.zel", "Lvsize"};
inline constexpr Programa kMvsize{"ZelMt01.zel", "ZelMt02.zel", "Mvsize"};

// A file of the build's data folder.
std::string Entregue(const std::string& nome);

class ProjetoAtivo : public zeltest::ProjetoAberto {
public:
    // arquivo: the working copy's name in the folder; catalogo: the reference database (read-only), the
    // program's shipped one when empty.
    ProjetoAtivo(const Programa& programa, const std::string& arquivo, const std::string& catalogo = "");

    // Runs SQL on the working database (through the data layer, as the program would).
    void Sql(const std::string& sql) { projeto.Execute(sql); }
    // First column of the first row as text (through the data layer); "" for none, "NULL" for NULL.
    std::string Texto(const std::string& sql);
    double Numero(const std::string& sql);  // -999 for no row
    // First column of the first row as text, read from the file beside the data layer.
    std::string Q(const std::string& sql);
    // "seq:calculado ..." of every circuit, in key order.
    std::string Calculados();
    // What the program logged (ZEL.LOG in the folder; "" when nothing was).
    std::string Log() const;
    const std::string& ProjetoPath() const { return m_caminho; }

private:
    std::string m_caminho;
};

// The project with the headless host answering dialogs and message boxes, on a fixed clock.
class ProjetoSemTela : public ProjetoAtivo {
public:
    ProjetoSemTela(const Programa& programa, const std::string& arquivo, const LocalTime& agora,
                   const std::string& catalogo = "");

    FixedClock relogio;
    HeadlessHost host;

private:
    ScopedAppContext m_escopo;
};

// The project on the machine's clock, for the tests on a screen (the dates shown are today's).
class ProjetoNaTela : public ProjetoAtivo {
public:
    ProjetoNaTela(const Programa& programa, const std::string& arquivo) : ProjetoAtivo(programa, arquivo)
    {
        contexto.clock = &relogio;
    }

    SystemClock relogio;
};

// Empties a field as a user does, then types the text.
DialogDriver& Put(DialogDriver& d, int id, const std::string& text);
// The background of a coloured edit.
COLORREF Fundo(DialogDriver& d, int id);
inline constexpr COLORREF kBranco = 0xFFFFFF;

}  // namespace dlgtest
