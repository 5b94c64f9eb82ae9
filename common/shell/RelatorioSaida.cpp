#include "RelatorioSaida.h"

#include "AppContext.h"
#include "CompanyFile.h"
#include "PrinterService.h"
#include "SqlValue.h"

#include <cstdio>
#include <cstring>

std::string LerLinhaEmpresa(const std::string& arquivo)
{
    return ReadCompanyName(arquivo);
}

void PedidoDeImpressao(const CrystalPrintOptions& opcoes, short copias, PrintRequest& pedido)
{
    pedido.firstPage = opcoes.startPageN;
    pedido.lastPage = opcoes.stopPageN;
    pedido.copies = copias > 0 ? copias : 1;
    pedido.collation = opcoes.collation;
}

void EmitirRelatorio(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                     short copias, const char* titulo, const char* semImpressora)
{
    PrinterDevice impressora;
    PrinterService* printers = AppContext().printer;
    if (!printers || !printers->GetApplicationPrinter(impressora)) {
        AfxMessageBox(semImpressora, MB_OK | MB_ICONINFORMATION);
        return;
    }
    impressora.devMode.dmOrientation = orientacao;
    job.SelectPrinter(impressora.driver, impressora.device, impressora.port, &impressora.devMode);
    if (bVisualizar) {
        job.OutputToWindow(titulo, 0, 0, 400, 400, REPORT_WS_MAXIMIZE | REPORT_WS_SYSMENU, nullptr);
    } else {
        job.SetPrintOptions(opcoes);
        job.OutputToPrinter(copias);
    }
    job.Start();
}

std::string AspasFormula(const std::string& s)
{
    return FormatC("'%s'", s.c_str());
}

CrystalTableLocation LocalizacaoTabela(const std::string& caminho)
{
    CrystalTableLocation loc;
    std::strncpy(loc.Location, caminho.c_str(), sizeof(loc.Location) - 1);
    return loc;
}
