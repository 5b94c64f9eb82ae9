// Sizing one circuit or the whole project, and their reports through the application's report jobs.
#include "MvsizeView.h"

#include "MvsizeDoc.h"
#include "MvsizeShared.h"

#include "AppContext.h"
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

namespace {

std::string Aspas(const std::string& s)
{
    return FormatC("'%s'", s.c_str());
}

CrystalTableLocation Localizacao(const std::string& caminho)
{
    CrystalTableLocation loc;
    std::strncpy(loc.Location, caminho.c_str(), sizeof(loc.Location) - 1);
    return loc;
}

// Common start: the print options of a run. FALSE when the user cancelled the print-options dialog.
bool Opcoes(int bVisualizar, CrystalPrintOptions& opcoes, short& copias)
{
    opcoes = CrystalPrintOptions{};
    copias = 0;
    if (bVisualizar)
        return true;
    ImpressaoResposta r;
    const auto& entrada = MvsizeDialogs().impressao;
    if ((entrada ? entrada(r) : DialogoAusente("CImpressao")) != IDOK)
        return false;
    if (r.intervalo) {
        opcoes.startPageN = static_cast<std::uint16_t>(r.de);
        opcoes.stopPageN = static_cast<std::uint16_t>(r.ate);
    }
    copias = static_cast<short>(r.copias);
    opcoes.nReportCopies = static_cast<std::uint16_t>(r.copias);
    opcoes.collation = 1;
    return true;
}

}  // namespace

std::string CMvsizeView::LinhaEmpresa() const
{
    const CMvsizeAppBase* app = MvsizeApp();
    if (!app || app->m_strCompanyFile.empty())
        return {};
    // Created empty when missing, never truncated.
    std::FILE* f = std::fopen(app->m_strCompanyFile.c_str(), "a+");
    if (!f)
        return {};
    std::rewind(f);
    std::string linha;
    for (int c; (c = std::fgetc(f)) != EOF && c != '\n';)
        linha += static_cast<char>(c);
    std::fclose(f);
    if (!linha.empty() && linha.back() == '\r')
        linha.pop_back();
    return linha;
}

void CMvsizeView::Emitir(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                         short copias)
{
    PrinterDevice impressora;
    PrinterService* printers = AppContext().printer;
    if (!printers || !printers->GetApplicationPrinter(impressora)) {
        AfxMessageBox(kSemImpressora, MB_OK | MB_ICONINFORMATION);
        return;
    }
    impressora.devMode.dmOrientation = orientacao;
    job.SelectPrinter(impressora.driver, impressora.device, impressora.port, &impressora.devMode);
    if (bVisualizar) {
        job.OutputToWindow(kTituloRelatorio, 0, 0, 400, 400, REPORT_WS_MAXIMIZE | REPORT_WS_SYSMENU, nullptr);
    } else {
        job.SetPrintOptions(opcoes);
        job.OutputToPrinter(copias);
    }
    job.Start();
}

void CMvsizeView::CircuitoCalcular(int bVisualizar)
{
    CWaitCursor wait;
    CrystalPrintOptions opcoes;
    short copias = 0;
    if (!Opcoes(bVisualizar, opcoes, copias))
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
        formulaCircuito = Aspas(calculo->m_strCodigo);
    }
    const std::string empresa = LinhaEmpresa();
    CMvsizeAppBase* app = MvsizeApp();
    CDaoDatabase* db = Database();
    if (!app || !app->m_pCircuitReport || !db)
        return;
    Crystal& job = *app->m_pCircuitReport;
    try {
        job.CloseWindow();
        const CrystalTableLocation loc = Localizacao(db->GetName());
        job.SetTableLocation(0, loc);
        job.RefreshData();
        job.SetSelectionFormula(FormatC("{circuito_impressao.circuito_sequencial}=%i", sequencial));
        job.SetFormula("circuito", formulaCircuito);
        job.SetFormula("CLIENTE", Aspas(empresa));
        job.SetFormula("projeto", Aspas(GetDocument() ? GetDocument()->GetTitle() : std::string()));
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
    if (!Opcoes(bVisualizar, opcoes, copias))
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
        const CrystalTableLocation loc = Localizacao(db->GetName());
        job.SetTableLocation(0, loc);
        job.SetTableLocation(1, loc);
        job.SetTableLocation(2, loc);
        job.RefreshData();
        job.SetFormula("projeto", Aspas(GetDocument() ? GetDocument()->GetTitle() : std::string()));
        job.SetFormula("cliente", Aspas(empresa));
        Emitir(job, bVisualizar, DMORIENT_LANDSCAPE, opcoes, copias);
    } catch (CUserException&) {
    }
}

void CMvsizeView::OnCircuitoCalcular() { CircuitoCalcular(1); }
void CMvsizeView::OnCircuitoImprimir() { CircuitoCalcular(0); }
void CMvsizeView::OnProjetoCalcular() { ProjetoCalcular(1); }
void CMvsizeView::OnProjetoImprimir() { ProjetoCalcular(0); }
