// Sizing one circuit or the whole project, and their reports through the application's report jobs.
#include "MvsizeView.h"

#include "MvsizeDoc.h"
#include "MvsizeShared.h"

#include "AppContext.h"
#include "RelatorioSaida.h"
// Both engines name their class CCalculo: the medium-voltage one, by its path.
#include "../engine/Calculo.h"
#include "Crystal.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogRunner.h"
#include "ErrorReporter.h"
#include "PrinterService.h"
#include "SqlValue.h"
#include "UserException.h"

#include <cstdio>
#include <cstring>
#include <memory>

std::string CMvsizeView::LinhaEmpresa() const
{
    const CMvsizeAppBase* app = MvsizeApp();
    return app ? LerLinhaEmpresa(app->m_strCompanyFile) : std::string();
}

void CMvsizeView::Emitir(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                         short copias)
{
    EmitirRelatorio(job, bVisualizar, orientacao, opcoes, copias, kTituloRelatorio, kSemImpressora);
}

void CMvsizeView::CircuitoCalcular(int bVisualizar)
{
    CWaitCursor wait;
    CrystalPrintOptions opcoes;
    short copias = 0;
    if (!OpcoesImpressao(bVisualizar, opcoes, copias, MvsizeDialogs().impressao))
        return;
    const short sequencial = GetItemSequencial();
    std::string formulaCircuito;
    {
        auto calculo = std::make_unique<CCalculo>(sequencial);
        if (!calculo->Calcular()) {
            AfxMessageBox(calculo->m_strErro, MB_OK | MB_ICONERROR);
            return;
        }
        // No report flag in Mvsize: a sized circuit is always reported.
        formulaCircuito = AspasFormula(calculo->m_strCodigo);
    }
    const std::string empresa = LinhaEmpresa();
    CMvsizeAppBase* app = MvsizeApp();
    CDaoDatabase* db = Database();
    if (!app || !app->m_pCircuitReport || !db)
        return;
    Crystal& job = *app->m_pCircuitReport;
    try {
        job.CloseWindow();
        const CrystalTableLocation loc = LocalizacaoTabela(db->GetName());
        job.SetTableLocation(0, loc);
        job.RefreshData();
        job.SetSelectionFormula(FormatC("{circuito_impressao.circuito_sequencial}=%i", sequencial));
        job.SetFormula("circuito", formulaCircuito);
        job.SetFormula("CLIENTE", AspasFormula(empresa));
        job.SetFormula("projeto", AspasFormula(GetDocument() ? GetDocument()->GetTitle() : std::string()));
        Emitir(job, bVisualizar, DMORIENT_PORTRAIT, opcoes, copias);
    } catch (CUserException&) {
        // the report layer has already logged and shown it
    }
}

void CMvsizeView::ProjetoCalcular(int bVisualizar)
{
    CWaitCursor wait;
    CrystalPrintOptions opcoes;
    short copias = 0;
    if (!OpcoesImpressao(bVisualizar, opcoes, copias, MvsizeDialogs().impressao))
        return;
    CDaoDatabase* db = Database();
    std::string erro;
    if (db) {
        try {
            std::vector<short> chaves;
            {
                CDaoRecordsetManual rs(db, dbOpenSnapshot, "SELECT circuito_sequencial FROM circuito");
                for (; !rs.IsEOF(); rs.MoveNext()) {
                    short k = 0;
                    rs.GetFieldShort("circuito_sequencial", k);
                    chaves.push_back(k);
                }
            }
            // One transaction for the whole run: each circuit's writes are the engine's own savepoint, and
            // the disk is waited on once.
            CDaoTransaction trans(*db);
            for (short k : chaves) {
                auto calculo = std::make_unique<CCalculo>(k);
                if (!calculo->Calcular()) {
                    erro = FormatC("Circuito %s. Erro: %s", calculo->m_strCodigo.c_str(), calculo->m_strErro.c_str());
                    break;
                }
            }
            trans.Commit();
        } catch (CDaoException& e) {
            ReportError("CMvsizeView::ProjetoCalcular", &e);
        }
    }
    if (!erro.empty()) {
        AfxMessageBox(erro, MB_OK | MB_ICONERROR);
        return;
    }
    const std::string empresa = LinhaEmpresa();
    CMvsizeAppBase* app = MvsizeApp();
    if (!app || !app->m_pProjectReport || !db)
        return;
    Crystal& job = *app->m_pProjectReport;
    try {
        job.CloseWindow();
        const CrystalTableLocation loc = LocalizacaoTabela(db->GetName());
        job.SetTableLocation(0, loc);
        job.SetTableLocation(1, loc);
        job.SetTableLocation(2, loc);
        job.RefreshData();
        job.SetFormula("projeto", AspasFormula(GetDocument() ? GetDocument()->GetTitle() : std::string()));
        job.SetFormula("cliente", AspasFormula(empresa));
        Emitir(job, bVisualizar, DMORIENT_LANDSCAPE, opcoes, copias);
    } catch (CUserException&) {
    }
}

void CMvsizeView::OnCircuitoCalcular() { CircuitoCalcular(1); }
void CMvsizeView::OnCircuitoImprimir() { CircuitoCalcular(0); }
void CMvsizeView::OnProjetoCalcular() { ProjetoCalcular(1); }
void CMvsizeView::OnProjetoImprimir() { ProjetoCalcular(0); }
