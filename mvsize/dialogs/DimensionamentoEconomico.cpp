#include "DimensionamentoEconomico.h"

#include "CircuitoSelecionado.h"
#include "DaoRecordsetManual.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

using namespace mvdlg;

namespace {

ControlTemplate Numero(int id, const char* mask, int row)
{
    return MaskedEdit(id, mask, row, 1).Width(10).Style(tmpl::AlignRight);
}

const DialogTemplate kDimensionamentoEconomico = {IDD_DIMENSIONAMENTO_ECONOMICO, "Dimensionamento econômico", {
    Label("&Custo de instalação do cabo:", 0, 0), Numero(IDC_CUSTO_INSTALACAO, "#####", 0), Label("$/mm².km", 0, 2),
    Label("&Horas/ano de funcionamento:", 1, 0), Numero(IDC_HORAS_ANO, "####", 1),
    Label("&Número de anos considerado:", 2, 0), Numero(IDC_NUMERO_ANOS, "##", 2),
    Label("&Tarifa de energia:", 3, 0), Numero(IDC_TARIFA_ENERGIA, "##.####", 3), Label("$/kWh", 3, 2),
    PushButton(IDC_ECONOMICO_OK, "Ok", 0, 0).At(kButtonRow, 0).DefaultButton(),
    PushButton(IDC_DISPENSAR, "&Dispensar", 0, 0).At(kButtonRow, 1),
    CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CDimensionamento_economico, CDialog)
    ON_EN_CHANGE(IDC_CUSTO_INSTALACAO, Validar)
    ON_EN_CHANGE(IDC_HORAS_ANO, Validar)
    ON_EN_CHANGE(IDC_NUMERO_ANOS, Validar)
    ON_EN_CHANGE(IDC_TARIFA_ENERGIA, Validar)
    ON_BN_CLICKED(IDC_ECONOMICO_OK, OnOk)
    ON_BN_CLICKED(IDC_DISPENSAR, OnNaoCalcular)
END_MESSAGE_MAP()

CDimensionamento_economico::CDimensionamento_economico(CWnd* pParent) : CDialog(kDimensionamentoEconomico, pParent) {}

void CDimensionamento_economico::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CUSTO_INSTALACAO, m_custo);
    DDX_Control(pDX, IDC_HORAS_ANO, m_horas);
    DDX_Control(pDX, IDC_NUMERO_ANOS, m_anos);
    DDX_Control(pDX, IDC_TARIFA_ENERGIA, m_tarifa);
    DDX_Control(pDX, IDC_ECONOMICO_OK, m_ok);
}

int CDimensionamento_economico::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDefID(IDC_ECONOMICO_OK);
    m_nCircuito = GetCircuitoSelecionado();
    m_custo.SetMask("#####");
    m_horas.SetMask("####");
    m_anos.SetMask("##");
    m_tarifa.SetMask("##.####");
    short custo = 0;
    short horas = 0;
    BYTE anos = 0;
    float tarifa = 0.0f;
    try {
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot,
                               FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i", m_nCircuito).c_str());
        if (!rs.IsEOF()) {
            rs.GetFieldShort("circuito_custo_instalacao_cabo", custo);
            rs.GetFieldShort("circuito_horas_ano_funcionamento", horas);
            rs.GetFieldByte("circuito_numero_anos", anos);
            rs.GetFieldFloat("circuito_tarifa_energia", tarifa);
        }
    } catch (CDaoException& e) {
        ReportError("CDimensionamento_economico::OnInitDialog", &e);
    }
    m_custo.SetValue(static_cast<float>(custo));
    m_horas.SetValue(static_cast<float>(horas));
    m_anos.SetValue(static_cast<float>(anos));
    m_tarifa.SetValue(tarifa);
    Validar();
    return TRUE;
}

void CDimensionamento_economico::Validar()
{
    const float custo = m_custo.GetValue();
    const bool custoOk = custo > 0 && custo <= kCustoMaximo;
    const bool horasOk = m_horas.GetValue() > 0;  // no upper bound: 8760 h and more are accepted
    const bool anosOk = m_anos.GetValue() > 0;
    const bool tarifaOk = m_tarifa.GetValue() > 0;
    Colorir(m_custo, custoOk);
    Colorir(m_horas, horasOk);
    Colorir(m_anos, anosOk);
    Colorir(m_tarifa, tarifaOk);
    m_ok.EnableWindow(custoOk && horasOk && anosOk && tarifaOk);
}

void CDimensionamento_economico::OnOk()
{
    const int horas = static_cast<short>(m_horas.GetValue());
    const int custo = static_cast<short>(m_custo.GetValue());
    const int anos = static_cast<short>(m_anos.GetValue());
    const double tarifa = static_cast<double>(m_tarifa.GetValue());
    try {
        CDaoDatabase& db = Projeto();
        CDaoTransaction transacao(db);
        db.Execute(FormatC("UPDATE circuito SET circuito_calculado=0,circuito_horas_ano_funcionamento=%4i,"
                           "circuito_custo_instalacao_cabo=%5i,circuito_numero_anos=%2i,"
                           "circuito_tarifa_energia=%7.4f WHERE circuito_sequencial=%i",
                           horas, custo, anos, tarifa, m_nCircuito),
                   dbFailOnError);
        transacao.Commit();
    } catch (CDaoException& e) {
        ReportError("CDimensionamento_economico::OnOk", &e);
        return;
    }
    EndDialog(IDOK);
}

void CDimensionamento_economico::OnNaoCalcular()
{
    try {
        CDaoDatabase& db = Projeto();
        CDaoTransaction transacao(db);
        db.Execute(FormatC("UPDATE circuito SET circuito_calculado=0,circuito_horas_ano_funcionamento=0,"
                           "circuito_custo_instalacao_cabo=0,circuito_numero_anos=0,circuito_tarifa_energia=0 "
                           "WHERE circuito_sequencial=%i",
                           m_nCircuito),
                   dbFailOnError);
        transacao.Commit();
    } catch (CDaoException& e) {
        // Not reported as done: the dialog stays open so that the user can try again or cancel.
        ReportError("CDimensionamento_economico::OnNaoCalcular", &e);
        return;
    }
    EndDialog(IDOK);
}
