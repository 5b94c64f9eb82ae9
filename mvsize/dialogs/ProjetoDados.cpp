#include "ProjetoDados.h"

namespace {

// Mvsize's labels carry no keyboard shortcuts but the first.
const DialogTemplate& Modelo()
{
    static const DialogTemplate modelo = zeldlg::ModeloProjetoDados(
        {"Responsável:", "Data de criação:", "Número de revisão:", "Comentário:"});
    return modelo;
}

}  // namespace

CProjeto_dados::CProjeto_dados(CWnd* pParent) : CProjetoDadosComum(Modelo(), pParent) {}
