#include "ProjetoDados.h"

namespace {

const DialogTemplate& Modelo()
{
    static const DialogTemplate modelo = zeldlg::ModeloProjetoDados(
        {"&Responsável:", "&Data de criação:", "&Número de revisão:", "C&omentário:"});
    return modelo;
}

}  // namespace

CProjeto_dados::CProjeto_dados(CWnd* pParent) : CProjetoDadosComum(Modelo(), pParent) {}
