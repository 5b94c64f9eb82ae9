#include "CargaMotor.h"

#include "AppContext.h"
#include "CFormat.h"
#include "CircuitoSelecionado.h"
#include "DaoRecordsetManual.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "ErrorReporter.h"
#include "InvalidarCalculoPais.h"
#include "MotoresInclusao.h"

#include <algorithm>

using namespace lvdlg;
using zel::ui::ParseDoubleC;
using zel::ui::ParseLongC;

namespace {

const DialogTemplate kCargaMotor = {IDD_CARGA_MOTOR, "Motores", {
    FlexGrid(IDC_GRADE, 0, 0).Grid(2, 8, 1, 0).Width(720).Height(260).Span(1, 4),
    PushButton(IDC_EDITAR, "E&ditar", 0, 1).Style(tmpl::Expand),
    PushButton(IDC_INCLUIR, "&Incluir", 1, 1).Style(tmpl::Expand),
    PushButton(IDC_EXCLUIR, "E&xcluir", 2, 1).Style(tmpl::Expand),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CCarga_motor, CDialog)
    ON_BN_CLICKED(IDC_EDITAR, OnEditar)
    ON_BN_CLICKED(IDC_INCLUIR, OnIncluir)
    ON_BN_CLICKED(IDC_EXCLUIR, OnExcluir)
END_MESSAGE_MAP()

CCarga_motor::CCarga_motor(CWnd* pParent) : CDialog(kCargaMotor, pParent) {}

void CCarga_motor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDITAR, m_editar);
    DDX_Control(pDX, IDC_EXCLUIR, m_excluir);
    DDX_Control(pDX, IDC_INCLUIR, m_incluir);
    DDX_Control(pDX, IDC_GRADE, m_grade);
}

int CCarga_motor::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nCircuito = GetCircuitoSelecionado();
    static const char* const cabecalhos[] = {"Quantidade", "Corrente nominal (A)", "Fator de potência",
                                             "Potência do motor", "Partida ?"};
    static const long larguras[] = {1440, 2160, 1440, 2160, 1440};
    m_grade.SetRow(0);
    for (long c = 0; c < 5; ++c) {
        m_grade.SetCol(c);
        m_grade.SetText(cabecalhos[c]);
        m_grade.SetColWidth(c, larguras[c]);
    }
    m_nLinhas = 0;
    try {
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot,
                               FormatC("SELECT * FROM motor WHERE circuito_sequencial=%i", m_nCircuito).c_str());
        for (; !rs.IsEOF() && m_nLinhas < kMaxLinhas; rs.MoveNext()) {
            short quantidade = 0;
            float correnteRegime = 0, fpRegime = 0, potencia = 0, correntePartida = 0, fpPartida = 0;
            rs.GetFieldShort("motor_qtde_motores", quantidade);
            rs.GetFieldFloat("motor_corrente_regime", correnteRegime);
            rs.GetFieldFloat("motor_fator_potencia_regime", fpRegime);
            rs.GetFieldFloat("motor_potencia", potencia);
            rs.GetFieldFloat("motor_corrente_partida", correntePartida);
            rs.GetFieldFloat("motor_fator_potencia_partida", fpPartida);
            Incluir_linha(quantidade, correnteRegime, fpRegime, potencia, correntePartida, fpPartida);
        }
    } catch (CDaoException& e) {
        ReportError("CCarga_motor::OnInitDialog", &e);
    }
    m_grade.SetRow(1);
    AtualizarBotoes();
    return TRUE;
}

void CCarga_motor::AtualizarBotoes()
{
    m_editar.EnableWindow(m_nLinhas > 0);
    m_excluir.EnableWindow(m_nLinhas > 0);
    m_incluir.EnableWindow(m_nLinhas < kMaxLinhas);
}

void CCarga_motor::Preencher_linha(int quantidade, float correnteRegime, float fatorPotenciaRegime, float potencia,
                                   float correntePartida, float fatorPotenciaPartida)
{
    const std::string celulas[] = {FormatC("%2i", quantidade),
                                   FormatC("%6.1f", static_cast<double>(correnteRegime)),
                                   FormatC("%4.2f", static_cast<double>(fatorPotenciaRegime)),
                                   FormatC("%5.1f", static_cast<double>(potencia)),
                                   correntePartida > 0 ? "SIM" : "NAO",
                                   FormatC("%6.1f", static_cast<double>(correntePartida)),
                                   FormatC("%4.2f", static_cast<double>(fatorPotenciaPartida))};
    for (long c = 0; c < 7; ++c) {
        m_grade.SetCol(c);
        m_grade.SetText(celulas[c]);
    }
}

void CCarga_motor::Incluir_linha(int quantidade, float correnteRegime, float fatorPotenciaRegime, float potencia,
                                 float correntePartida, float fatorPotenciaPartida)
{
    ++m_nLinhas;
    if (m_nLinhas > 1)
        m_grade.AddItem(FormatC("%i", quantidade), m_nLinhas);
    m_grade.SetRow(m_nLinhas);
    Preencher_linha(quantidade, correnteRegime, fatorPotenciaRegime, potencia, correntePartida, fatorPotenciaPartida);
}

void CCarga_motor::OnEditar()
{
    const long linha = m_grade.GetRow();
    if (linha < 1 || linha > m_nLinhas)
        return;
    CMotores_inclusao dlg(this);
    dlg.m_nQuantidade = static_cast<int>(ParseLongC(m_grade.GetTextMatrix(linha, 0)));
    dlg.m_fCorrenteRegime = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 1)));
    dlg.m_fFatorPotenciaRegime = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 2)));
    dlg.m_fPotencia = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 3)));
    dlg.m_fCorrentePartida = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 5)));
    dlg.m_fFatorPotenciaPartida = static_cast<float>(ParseDoubleC(m_grade.GetTextMatrix(linha, 6)));
    dlg.m_bConsideraPartida = dlg.m_fCorrentePartida > 0;
    if (dlg.DoModal() != IDOK)
        return;
    m_grade.SetRow(linha);
    Preencher_linha(dlg.m_nQuantidade, dlg.m_fCorrenteRegime, dlg.m_fFatorPotenciaRegime, dlg.m_fPotencia,
                    dlg.m_fCorrentePartida, dlg.m_fFatorPotenciaPartida);
}

void CCarga_motor::OnIncluir()
{
    if (m_nLinhas >= kMaxLinhas)
        return;
    CMotores_inclusao dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    Incluir_linha(dlg.m_nQuantidade, dlg.m_fCorrenteRegime, dlg.m_fFatorPotenciaRegime, dlg.m_fPotencia,
                  dlg.m_fCorrentePartida, dlg.m_fFatorPotenciaPartida);
    AtualizarBotoes();
}

void CCarga_motor::OnExcluir()
{
    const long linha = m_grade.GetRow();
    if (m_nLinhas < 1 || linha < 1 || linha > m_nLinhas)
        return;
    --m_nLinhas;
    if (m_nLinhas < 1) {
        OnOK();
        if (!IsEnded())  // the write failed: the line is still there
            m_nLinhas = 1;
        return;
    }
    m_grade.RemoveItem(linha);
    m_grade.SetRow(std::min<long>(linha, m_nLinhas));
    AtualizarBotoes();
}

void CCarga_motor::OnOK()
{
    if (m_nLinhas >= 1) {
        bool algumNaPartida = false;
        for (long linha = 1; linha <= m_nLinhas && !algumNaPartida; ++linha)
            algumNaPartida = ParseDoubleC(m_grade.GetTextMatrix(linha, 5)) > 0;
        if (!algumNaPartida) {
            AfxMessageBox("Pelo menos um motor deve ser considerado na partida.", MB_ICONERROR);
            return;
        }
    }
    try {
        CDaoDatabase& db = Projeto();
        CDaoTransaction transacao(db);
        InvalidarCalculoPais(db, m_nCircuito);
        db.Execute(FormatC("DELETE FROM motor WHERE circuito_sequencial=%i", m_nCircuito), dbFailOnError);
        for (long linha = 1; linha <= m_nLinhas; ++linha) {
            auto numero = [&](long col) { return ParseDoubleC(m_grade.GetTextMatrix(linha, col)); };
            db.Execute(FormatC("INSERT INTO motor(circuito_sequencial,motor_sequencial,motor_qtde_motores,"
                               "motor_corrente_regime,motor_fator_potencia_regime,motor_potencia,"
                               "motor_corrente_partida,motor_fator_potencia_partida) "
                               "VALUES (%i,%i,%i,%6.1f,%4.2f,%6.1f,%6.1f,%4.2f)",
                               m_nCircuito, static_cast<int>(linha),
                               static_cast<int>(ParseLongC(m_grade.GetTextMatrix(linha, 0))), numero(1), numero(2),
                               numero(3), numero(5), numero(6)),
                       dbFailOnError);
        }
        // Every circuit of the project, not only this one: the motor statement always did so.
        db.Execute("UPDATE circuito SET circuito_calculado=0", dbFailOnError);
        transacao.Commit();
    } catch (CDaoException& e) {
        ReportError("CCarga_motor::OnOK", &e);
        return;
    }
    EndDialog(IDOK);
}
