// Sizing one circuit or the whole project, and their reports through the application's report jobs.
#include "LvsizeView.h"

#include "LvsizeDoc.h"
#include "LvsizeShared.h"

#include "AppContext.h"
#include "RelatorioSaida.h"
#include "Calculo.h"
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

std::string CLvsizeView::LinhaEmpresa() const
{
    const CLvsizeAppBase* app = LvsizeApp();
    return app ? LerLinhaEmpresa(app->m_strCompanyFile) : std::string();
}

void CLvsizeView::Emitir(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                         short copias)
{
    EmitirRelatorio(job, bVisualizar, orientacao, opcoes, copias, kTituloRelatorio, kSemImpressora);
}

void CLvsizeView::CircuitoCalcular(int bVisualizar)
{
    CWaitCursor wait;
    CrystalPrintOptions opcoes;
    short copias = 0;
    if (!OpcoesImpressao(bVisualizar, opcoes, copias, LvsizeDialogs().impressao))
        return;
    const short sequencial = GetItemSequencial();
    std::string formulaCircuito;
    BOOL relatorio = FALSE;
    {
        auto calculo = std::make_unique<CCalculo>(sequencial);
        if (!calculo->Calcular()) {
            AfxMessageBox(calculo->m_strErro, MB_OK | MB_ICONERROR);
            return;
        }
        formulaCircuito = AspasFormula(calculo->m_strCodigo);
        relatorio = calculo->m_bMostrarRelatorio;
    }
    const std::string empresa = LinhaEmpresa();
    if (!relatorio)
        return;
    CLvsizeAppBase* app = LvsizeApp();
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
        for (Crystal* sub : job.GetSubreports()) {
            sub->SetTableLocation(0, loc);
            sub->RefreshData();
        }
        job.SetFormula("circuito", formulaCircuito);
        job.SetFormula("CLIENTE", AspasFormula(empresa));
        job.SetFormula("projeto", AspasFormula(GetDocument() ? GetDocument()->GetTitle() : std::string()));
        Emitir(job, bVisualizar, DMORIENT_PORTRAIT, opcoes, copias);
    } catch (CUserException&) {
        // the report layer has already logged and shown it
    }
}

void CLvsizeView::ProjetoCalcular(int bVisualizar)
{
    CWaitCursor wait;
    CrystalPrintOptions opcoes;
    short copias = 0;
    if (!OpcoesImpressao(bVisualizar, opcoes, copias, LvsizeDialogs().impressao))
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
            ReportError("CLvsizeView::ProjetoCalcular", &e);
        }
    }
    if (!erro.empty()) {
        AfxMessageBox(erro, MB_OK | MB_ICONERROR);
        return;
    }
    const std::string empresa = LinhaEmpresa();
    CLvsizeAppBase* app = LvsizeApp();
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

void CLvsizeView::OnCircuitoCalcular() { CircuitoCalcular(1); }
void CLvsizeView::OnCircuitoImprimir() { CircuitoCalcular(0); }
void CLvsizeView::OnProjetoCalcular() { ProjetoCalcular(1); }
void CLvsizeView::OnProjetoImprimir() { ProjetoCalcular(0); }
