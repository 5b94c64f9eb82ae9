#include "DimensionamentoEconomicoComum.h"

#include "CircuitoSelecionadoComum.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogosBase.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

namespace zeldlg {

using namespace ids;

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

CDimensionamentoEconomicoComum::CDimensionamentoEconomicoComum(COLORREF fundoInvalido, CWnd* pParent)
    : CDialog(kDimensionamentoEconomico, pParent), m_fundoInvalido(fundoInvalido)
{
}

BEGIN_MESSAGE_MAP(CDimensionamentoEconomicoComum, CDialog)
    ON_EN_CHANGE(IDC_CUSTO_INSTALACAO, Validar)
    ON_EN_CHANGE(IDC_HORAS_ANO, Validar)
    ON_EN_CHANGE(IDC_NUMERO_ANOS, Validar)
    ON_EN_CHANGE(IDC_TARIFA_ENERGIA, Validar)
    ON_BN_CLICKED(IDC_ECONOMICO_OK, OnOk)
    ON_BN_CLICKED(IDC_DISPENSAR, OnNaoCalcular)
END_MESSAGE_MAP()

void CDimensionamentoEconomicoComum::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CUSTO_INSTALACAO, m_custo);
    DDX_Control(pDX, IDC_HORAS_ANO, m_horas);
    DDX_Control(pDX, IDC_NUMERO_ANOS, m_anos);
    DDX_Control(pDX, IDC_TARIFA_ENERGIA, m_tarifa);
    DDX_Control(pDX, IDC_ECONOMICO_OK, m_ok);
}

int CDimensionamentoEconomicoComum::OnInitDialog()
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

void CDimensionamentoEconomicoComum::Validar()
{
    const float custo = m_custo.GetValue();
    const bool custoOk = custo > 0 && custo <= kCustoMaximo;
    const bool horasOk = HorasValidas(m_horas.GetValue());
    const bool anosOk = m_anos.GetValue() > 0;
    const bool tarifaOk = m_tarifa.GetValue() > 0;
    Colorir(m_custo, custoOk, m_fundoInvalido);
    Colorir(m_horas, horasOk, m_fundoInvalido);
    Colorir(m_anos, anosOk, m_fundoInvalido);
    Colorir(m_tarifa, tarifaOk, m_fundoInvalido);
    m_ok.EnableWindow(custoOk && horasOk && anosOk && tarifaOk);
}

// A failed write is reported and keeps the dialog open, so that the user can try again or cancel.
void CDimensionamentoEconomicoComum::Gravar(const std::string& sql, const char* local)
{
    try {
        CDaoDatabase& db = Projeto();
        CDaoTransaction transacao(db);
        AntesDeGravar(db, m_nCircuito);
        db.Execute(sql, dbFailOnError);
        transacao.Commit();
    } catch (CDaoException& e) {
        ReportError(local, &e);
        return;
    }
    EndDialog(IDOK);
}

void CDimensionamentoEconomicoComum::OnOk()
{
    const int horas = static_cast<short>(m_horas.GetValue());
    const int custo = static_cast<short>(m_custo.GetValue());
    const int anos = static_cast<short>(m_anos.GetValue());
    const double tarifa = static_cast<double>(m_tarifa.GetValue());
    Gravar(SqlGravar(horas, custo, anos, tarifa, m_nCircuito), "CDimensionamento_economico::OnOk");
}

void CDimensionamentoEconomicoComum::OnNaoCalcular()
{
    Gravar(SqlDispensar(m_nCircuito), "CDimensionamento_economico::OnNaoCalcular");
}

}  // namespace zeldlg
