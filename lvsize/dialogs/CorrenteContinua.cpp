#include "CorrenteContinua.h"

#include "CorrenteContinuaInclusao.h"
#include "CFormat.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "SqlValue.h"

#include <algorithm>

using namespace lvdlg;
using zel::ui::ParseDoubleC;
using zel::ui::ParseLongC;

namespace {

const DialogTemplate kCorrenteContinua = {IDD_CORRENTE_CONTINUA, "Cargas - corrente contínua", {
    FlexGrid(IDC_GRADE, 0, 0).Grid(2, 4, 1, 0).Width(520).Height(260).Span(1, 4),
    PushButton(IDC_EDITAR, "&Editar", 0, 1).Style(tmpl::Expand),
    PushButton(IDC_INCLUIR, "&Incluir", 1, 1).Style(tmpl::Expand),
    PushButton(IDC_EXCLUIR, "E&xcluir", 2, 1).Style(tmpl::Expand),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CCorrente_continua, CDialog)
    ON_BN_CLICKED(IDC_EDITAR, OnEditar)
    ON_BN_CLICKED(IDC_INCLUIR, OnIncluir)
    ON_BN_CLICKED(IDC_EXCLUIR, OnExcluir)
END_MESSAGE_MAP()

CCorrente_continua::CCorrente_continua(CWnd* pParent) : CDialog(kCorrenteContinua, pParent) {}

void CCorrente_continua::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXCLUIR, m_excluir);
    DDX_Control(pDX, IDC_EDITAR, m_editar);
    DDX_Control(pDX, IDC_INCLUIR, m_incluir);
    DDX_Control(pDX, IDC_GRADE, m_grade);
}

int CCorrente_continua::OnInitDialog()
{
    CDialog::OnInitDialog();
    static const char* const cabecalhos[] = {"Quantidade", "Potência ativa unit.(W)", "Fator de demanda",
                                             "Demanda total (VA)"};
    static const long larguras[] = {1440, 2160, 1440, 2100};
    m_grade.SetRow(0);
    for (long c = 0; c < 4; ++c) {
        m_grade.SetCol(c);
        m_grade.SetText(cabecalhos[c]);
        m_grade.SetColWidth(c, larguras[c]);
    }
    m_nLinhas = 0;
    if (m_pCargas)
        for (const CItemCarga& item : *m_pCargas)
            Incluir_linha(item.numero_cargas_iguais, item.potencia_ativa, item.fator_demanda);
    m_grade.SetRow(1);
    AtualizarBotoes();
    return TRUE;
}

void CCorrente_continua::AtualizarBotoes()
{
    m_editar.EnableWindow(m_nLinhas != 0);
    m_excluir.EnableWindow(m_nLinhas != 0);
    m_incluir.EnableWindow(m_nLinhas < kMaxLinhas);
}

void CCorrente_continua::Preencher_linha(int quantidade, float potencia, float fatorDemanda)
{
    const double total = static_cast<double>(static_cast<float>(quantidade) * potencia * fatorDemanda);
    const std::string celulas[] = {FormatC("%4i", quantidade), FormatC("%9.1f", static_cast<double>(potencia)),
                                   FormatC("%4.2f", static_cast<double>(fatorDemanda)), FormatC("%9.1f", total)};
    for (long c = 0; c < 4; ++c) {
        m_grade.SetCol(c);
        m_grade.SetText(celulas[c]);
    }
}

void CCorrente_continua::Incluir_linha(int quantidade, float potencia, float fatorDemanda)
{
    ++m_nLinhas;
    if (m_nLinhas > 1)
        m_grade.AddItem(FormatC("%i", quantidade), m_nLinhas);
    m_grade.SetRow(m_nLinhas);
    Preencher_linha(quantidade, potencia, fatorDemanda);
}

void CCorrente_continua::OnEditar()
{
    const long linha = m_grade.GetRow();
    if (linha < 1 || linha > m_nLinhas)
        return;
    CCorrente_continua_inclusao dlg(this);
    dlg.m_nQuantidade = static_cast<int>(ParseLongC(m_grade.GetTextMatrix(linha, 0)));
    dlg.m_fPotenciaAtiva = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 1)));
    dlg.m_fFatorDemanda = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 2)));
    if (dlg.DoModal() != IDOK)
        return;
    m_grade.SetRow(linha);
    Preencher_linha(dlg.m_nQuantidade, dlg.m_fPotenciaAtiva, dlg.m_fFatorDemanda);
}

void CCorrente_continua::OnIncluir()
{
    if (m_nLinhas >= kMaxLinhas)
        return;
    CCorrente_continua_inclusao dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    Incluir_linha(dlg.m_nQuantidade, dlg.m_fPotenciaAtiva, dlg.m_fFatorDemanda);
    AtualizarBotoes();
}

void CCorrente_continua::OnExcluir()
{
    const long linha = m_grade.GetRow();
    if (m_nLinhas < 1 || linha < 1 || linha > m_nLinhas)
        return;
    --m_nLinhas;
    if (m_nLinhas == 0) {
        OnOK();
        return;
    }
    m_grade.RemoveItem(linha);
    m_grade.SetRow(std::min<long>(linha, m_nLinhas));
    AtualizarBotoes();
}

void CCorrente_continua::OnOK()
{
    if (m_pCargas) {
        m_pCargas->clear();
        for (long linha = 1; linha <= m_nLinhas; ++linha) {
            CItemCarga item;
            item.numero_cargas_iguais = static_cast<short>(ParseLongC(m_grade.GetTextMatrix(linha, 0)));
            item.potencia_ativa = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 1)));
            item.fator_demanda = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 2)));
            item.fator_potencia = 1.0f;
            m_pCargas->push_back(item);
        }
    }
    EndDialog(IDOK);
}
