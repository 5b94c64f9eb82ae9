// Sizing one circuit or the whole project, and their reports through the application's report jobs.
#include "CircuitTreeView.h"

#include "SizingShared.h"

#include "Crystal.h"
#include "AppContext.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogRunner.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "MessageService.h"
#include "RelatorioSaida.h"
#include "SqlValue.h"
#include "UserException.h"

std::string CCircuitTreeView::LinhaEmpresa() const
{
    const CSizingAppBase* app = SizingApp();
    return app ? LerLinhaEmpresa(app->m_strCompanyFile) : std::string();
}

void CCircuitTreeView::Emitir(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                              short copias)
{
    EmitirRelatorio(job, bVisualizar, orientacao, opcoes, copias, m_traits.tituloRelatorio, kSemImpressora);
}

void CCircuitTreeView::CircuitoCalcular(int bVisualizar)
{
    CWaitCursor wait;
    CrystalPrintOptions opcoes;
    short copias = 0;
    if (!OpcoesImpressao(bVisualizar, opcoes, copias, Dialogos().impressao))
        return;
    const short sequencial = GetItemSequencial();
    const CalculoCircuito calculo = DimensionarCircuito(sequencial);
    if (!calculo.ok) {
        AfxMessageBox(calculo.erro, MB_OK | MB_ICONERROR);
        return;
    }
    const std::string empresa = LinhaEmpresa();
    if (!calculo.relatorio)
        return;
    CSizingAppBase* app = SizingApp();
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
        // Lvsize's circuit report has three subreports; Mvsize's has none.
        for (Crystal* sub : job.GetSubreports()) {
            sub->SetTableLocation(0, loc);
            sub->RefreshData();
        }
        job.SetFormula("circuito", AspasFormula(calculo.codigo));
        job.SetFormula("CLIENTE", AspasFormula(empresa));
        job.SetFormula("projeto", AspasFormula(Documento() ? Documento()->GetTitle() : std::string()));
        Emitir(job, bVisualizar, DMORIENT_PORTRAIT, opcoes, copias);
    } catch (CUserException&) {
        // the report layer has already logged and shown it
    }
}

void CCircuitTreeView::ProjetoCalcular(int bVisualizar)
{
    CWaitCursor wait;
    CrystalPrintOptions opcoes;
    short copias = 0;
    if (!OpcoesImpressao(bVisualizar, opcoes, copias, Dialogos().impressao))
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
                const CalculoCircuito calculo = DimensionarCircuito(k);
                if (!calculo.ok) {
                    erro = FormatC("Circuito %s. Erro: %s", calculo.codigo.c_str(), calculo.erro.c_str());
                    break;
                }
            }
            trans.Commit();
        } catch (CDaoException& e) {
            ReportError(Local("ProjetoCalcular").c_str(), &e);
        }
    }
    if (!erro.empty()) {
        AfxMessageBox(erro, MB_OK | MB_ICONERROR);
        return;
    }
    const std::string empresa = LinhaEmpresa();
    CSizingAppBase* app = SizingApp();
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
        job.SetFormula("projeto", AspasFormula(Documento() ? Documento()->GetTitle() : std::string()));
        job.SetFormula("cliente", AspasFormula(empresa));
        Emitir(job, bVisualizar, DMORIENT_LANDSCAPE, opcoes, copias);
    } catch (CUserException&) {
    }
}

void CCircuitTreeView::OnCircuitoCalcular() { CircuitoCalcular(1); }
void CCircuitTreeView::OnCircuitoImprimir() { CircuitoCalcular(0); }
void CCircuitTreeView::OnProjetoCalcular() { ProjetoCalcular(1); }
void CCircuitTreeView::OnProjetoImprimir() { ProjetoCalcular(0); }
