#pragma once
// Cases of the company, project-data dialogs that behave alike in both programs (the shared dialog bases),
// written once and run by each program's test of the same name on its own dialog class and template.

#include "CircuitoSelecionadoComum.h"
#include "DialogosComunsIds.h"
#include "ProjetoAtivo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace dlgcasos {

using namespace zeldlg::ids;
using dlgtest::Put;

// Saved twice, the project data is one row; reopened, the dialog shows it again (campo: a field checked
// then, with its text).
template <class ProjetoDados>
void SalvarDadosDuasVezes(dlgtest::ProjetoSemTela& p, int campo, const std::string& texto)
{
    for (const char* revisao : {"1", "2"}) {
        ProjetoDados dlg;
        const int r = p.host.Run(dlg, [&](DialogDriver& d) {
            Put(d, IDC_CLIENTE, "Usina São João - cliente final");  // 20 characters kept
            Put(d, IDC_RESPONSAVEL, "Eng. D'Ávila");
            Put(d, IDC_COMENTARIO, "Primeira linha\nsegunda; [obs]");
            Put(d, IDC_DATA_CRIACAO, "03/04/2023");
            Put(d, IDC_NUMERO_REVISAO, revisao);
            d.Click(IDOK);
        });
        EXPECT_EQ(r, IDOK);
    }
    EXPECT_EQ(p.Q("SELECT COUNT(*) FROM projeto"), "1");
    EXPECT_EQ(p.Q("SELECT projeto_cliente||'|'||projeto_responsavel||'|'||projeto_numero_revisao FROM projeto"),
              "Usina São João - cli|Eng. D'Ávila|2");
    EXPECT_EQ(p.Q("SELECT projeto_comentario FROM projeto"), "Primeira linha\nsegunda; [obs]");
    ProjetoDados dlg;
    p.host.Run(dlg, [&](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_DATA_CRIACAO), "03/04/2023");
        EXPECT_EQ(d.Text(campo), texto);
        EXPECT_EQ(d.Text(IDC_NUMERO_REVISAO), "  2");
        d.Escape();
    });
}

// A save the database refuses is reported, logged, and leaves the dialog open with nothing written.
template <class ProjetoDados>
void FalhaAoSalvarDados(dlgtest::ProjetoSemTela& p)
{
    p.Sql("CREATE TRIGGER falha BEFORE INSERT ON projeto BEGIN SELECT RAISE(ABORT, 'falha'); END");
    ProjetoDados dlg;
    const int r = p.host.Run(dlg, [](DialogDriver& d) {
        Put(d, IDC_CLIENTE, "Cliente");
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        d.Escape();
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(p.host.messages.size(), 1u);
    EXPECT_EQ(p.Q("SELECT COUNT(*) FROM projeto"), "0");
    EXPECT_NE(p.Log().find("CProjeto_dados::OnOK"), std::string::npos);
}

// The company file's folder goes away while the dialog is open: OK reports it, the dialog stays, and the
// old file is what there was (idNome: the program's company-name field).
template <class Empresa>
void FalhaAoGravarEmpresa(dlgtest::ProjetoSemTela& p, int idNome)
{
    const std::string pasta = p.dir.File("sumida");
    std::filesystem::create_directory(pasta);
    zeldlg::SetCompanyFile(pasta + "/empresa.zel");
    std::ofstream(pasta + "/empresa.zel", std::ios::binary) << "Antiga";
    Empresa dlg;
    p.host.Run(dlg, [&](DialogDriver& d) {
        EXPECT_EQ(d.Text(idNome), "Antiga");
        std::filesystem::rename(pasta, pasta + "2");  // nothing can be written where the file was
        Put(d, idNome, "Nova");
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        d.Escape();
    });
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_NE(p.host.messages[0].text.find("empresa"), std::string::npos);
    EXPECT_EQ(zeltest::ReadFile(pasta + "2/empresa.zel"), "Antiga");
    EXPECT_FALSE(std::filesystem::exists(pasta));
}

}  // namespace dlgcasos
