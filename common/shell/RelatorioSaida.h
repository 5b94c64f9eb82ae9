#pragma once
// The report output both programs' views share: the company line, the print options of a run and sending
// a job to the window or the printer.

#include "AppContext.h"
#include "Crystal.h"
#include "DialogoAusente.h"
#include "MessageService.h"
#include "PrinterService.h"

#include <cstdint>
#include <functional>
#include <string>

// The first line of the company file (created empty when missing, never truncated); empty on failure.
std::string LerLinhaEmpresa(const std::string& arquivo);

// The options of a run as a print request of the printer service.
void PedidoDeImpressao(const CrystalPrintOptions& opcoes, short copias, PrintRequest& pedido);

// The print options of a run. FALSE when the user cancelled the print-options dialog. A preview asks for
// them when its own "Imprimir…" is pressed, so a preview run leaves the same dialog with the printer service.
template <class Resposta>
bool OpcoesImpressao(int bVisualizar, CrystalPrintOptions& opcoes, short& copias,
                     const std::function<int(Resposta&)>& entrada)
{
    opcoes = CrystalPrintOptions{};
    copias = 0;
    if (bVisualizar) {
        if (PrinterService* printers = AppContext().printer)
            printers->SetPrintOptionsDialog([entrada](PrintRequest& pedido) {
                CrystalPrintOptions o;
                short c = 0;
                if (!OpcoesImpressao<Resposta>(0, o, c, entrada))
                    return false;
                PedidoDeImpressao(o, c, pedido);
                return true;
            });
        return true;
    }
    Resposta r;
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

// Printer, orientation, output and start of a job whose formulas are set; without a printer only the
// message is shown.
void EmitirRelatorio(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                     short copias, const char* titulo, const char* semImpressora);

// A text as a report formula literal.
std::string AspasFormula(const std::string& s);
// A database path as a report table location.
CrystalTableLocation LocalizacaoTabela(const std::string& caminho);
