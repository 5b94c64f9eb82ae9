#include "Carga.h"

#include "CargaInclusao.h"
#include "CFormat.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "SqlValue.h"

#include <algorithm>

using namespace lvdlg;
using zel::ui::ParseDoubleC;
using zel::ui::ParseLongC;

namespace {

const DialogTemplate kCarga = {IDD_CARGA, "Cargas", {
    FlexGrid(IDC_GRADE, 0, 0).Grid(2, 5, 1, 0).Width(620).Height(260).Span(1, 4),
    PushButton(IDC_EDITAR, "&Editar", 0, 1).Style(tmpl::Expand),
    PushButton(IDC_INCLUIR, "&Incluir", 1, 1).Style(tmpl::Expand),
    PushButton(IDC_EXCLUIR, "E&xcluir", 2, 1).Style(tmpl::Expand),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CCarga, CDialog)
    ON_BN_CLICKED(IDC_EDITAR, OnEditar)
    ON_BN_CLICKED(IDC_INCLUIR, OnIncluir)
    ON_BN_CLICKED(IDC_EXCLUIR, OnExcluir)
END_MESSAGE_MAP()

CCarga::CCarga(CWnd* pParent) : CDialog(kCarga, pParent) {}

void CCarga::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXCLUIR, m_excluir);
    DDX_Control(pDX, IDC_EDITAR, m_editar);
    DDX_Control(pDX, IDC_INCLUIR, m_incluir);
    DDX_Control(pDX, IDC_GRADE, m_grade);
}

int CCarga::OnInitDialog()
{
    CDialog::OnInitDialog();
    static const char* const cabecalhos[] = {"Quantidade", "Potência ativa unit.(W)", "Fator de potência",
                                             "Fator de demanda", "Demanda total (VA)"};
    static const long larguras[] = {1440, 2160, 1440, 1440, 2100};
    m_grade.SetRow(0);
    for (long c = 0; c < 5; ++c) {
        m_grade.SetCol(c);
        m_grade.SetText(cabecalhos[c]);
        m_grade.SetColWidth(c, larguras[c]);
    }
    m_nLinhas = 0;
    if (m_pCargas)
        for (const CItemCarga& item : *m_pCargas)
            Incluir_linha(item.numero_cargas_iguais, item.potencia_ativa, item.fator_potencia, item.fator_demanda);
    m_grade.SetRow(1);
    AtualizarBotoes();
    return TRUE;
}

void CCarga::AtualizarBotoes()
{
    m_editar.EnableWindow(m_nLinhas != 0);
    m_excluir.EnableWindow(m_nLinhas != 0);
    m_incluir.EnableWindow(m_nLinhas < kMaxLinhas);
}

void CCarga::Preencher_linha(int quantidade, float potencia, float fatorPotencia, float fatorDemanda)
{
    const double total = fatorPotencia > 0
                             ? static_cast<double>(static_cast<float>(quantidade) * potencia * fatorDemanda / fatorPotencia)
                             : 0.0;
    const std::string celulas[] = {
        FormatC("%4i", quantidade), FormatC("%9.1f", static_cast<double>(potencia)),
        FormatC("%4.2f", static_cast<double>(fatorPotencia)), FormatC("%4.2f", static_cast<double>(fatorDemanda)),
        fatorPotencia > 0 ? FormatC("%9.1f", total) : std::string()};
    for (long c = 0; c < 5; ++c) {
        m_grade.SetCol(c);
        m_grade.SetText(celulas[c]);
    }
}

void CCarga::Incluir_linha(int quantidade, float potencia, float fatorPotencia, float fatorDemanda)
{
    ++m_nLinhas;
    if (m_nLinhas > 1)
        m_grade.AddItem(FormatC("%i", quantidade), m_nLinhas);
    m_grade.SetRow(m_nLinhas);
    Preencher_linha(quantidade, potencia, fatorPotencia, fatorDemanda);
}

void CCarga::OnEditar()
{
    const long linha = m_grade.GetRow();
    if (linha < 1 || linha > m_nLinhas)
        return;
    CCarga_inclusao dlg(this);
    dlg.m_nQuantidade = static_cast<int>(ParseLongC(m_grade.GetTextMatrix(linha, 0)));
    dlg.m_fPotenciaAtiva = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 1)));
    dlg.m_fFatorPotencia = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 2)));
    dlg.m_fFatorDemanda = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 3)));
    if (dlg.DoModal() != IDOK)
        return;
    m_grade.SetRow(linha);
    Preencher_linha(dlg.m_nQuantidade, dlg.m_fPotenciaAtiva, dlg.m_fFatorPotencia, dlg.m_fFatorDemanda);
}

void CCarga::OnIncluir()
{
    if (m_nLinhas >= kMaxLinhas)
        return;
    CCarga_inclusao dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    Incluir_linha(dlg.m_nQuantidade, dlg.m_fPotenciaAtiva, dlg.m_fFatorPotencia, dlg.m_fFatorDemanda);
    AtualizarBotoes();
}

void CCarga::OnExcluir()
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

void CCarga::OnOK()
{
    if (m_pCargas) {
        m_pCargas->clear();
        for (long linha = 1; linha <= m_nLinhas; ++linha) {
            CItemCarga item;
            item.numero_cargas_iguais = static_cast<short>(ParseLongC(m_grade.GetTextMatrix(linha, 0)));
            item.potencia_ativa = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 1)));
            item.fator_potencia = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 2)));
            item.fator_demanda = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 3)));
            m_pCargas->push_back(item);
        }
    }
    EndDialog(IDOK);
}
