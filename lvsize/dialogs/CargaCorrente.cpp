#include "CargaCorrente.h"

#include "Carga.h"
#include "CircuitoSelecionado.h"
#include "CorrenteContinua.h"
#include "DaoRecordsetManual.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "ErrorReporter.h"
#include "InvalidarCalculoPais.h"
#include "SqlValue.h"

#include <cmath>

using namespace lvdlg;

namespace {

const DialogTemplate kCargaCorrente = {IDD_CARGA_CORRENTE, "Carga não motor", {
    Label("&Corrente :", 0, 0), MaskedEdit(IDC_CORRENTE, "####.#", 0, 1).Width(10).Style(tmpl::AlignRight),
    Label("A", 0, 2),
    Label("&Fator de potência :", 1, 0, IDC_ROTULO_FATOR_POTENCIA),
    MaskedEdit(IDC_FATOR_POTENCIA, "#.##", 1, 1).Width(10).Style(tmpl::AlignRight),
    PushButton(IDC_CALCULAR_CORRENTE, "C&alcular corrente", 2, 0).Span(2),
    OkButton(), CancelButton()}};

}  // namespace

BEGIN_MESSAGE_MAP(CCarga_corrente, CDialog)
    ON_EN_CHANGE(IDC_CORRENTE, Validar)
    ON_EN_CHANGE(IDC_FATOR_POTENCIA, Validar)
    ON_BN_CLICKED(IDC_CALCULAR_CORRENTE, OnCalcularCorrente)
END_MESSAGE_MAP()

CCarga_corrente::CCarga_corrente(CWnd* pParent) : CDialog(kCargaCorrente, pParent)
{
    m_cargas.reserve(10);
}

void CCarga_corrente::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ROTULO_FATOR_POTENCIA, m_rotuloFatorPotencia);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_CORRENTE, m_corrente);
    DDX_Control(pDX, IDC_FATOR_POTENCIA, m_fatorPotencia);
}

int CCarga_corrente::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nCircuito = GetCircuitoSelecionado();
    float corrente = 0.0f;
    float fatorPotencia = 0.0f;
    bool lido = false;
    try {
        CDaoDatabase& db = Projeto();
        BYTE sistema = 0;
        {
            CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                                   FormatC("SELECT sistema_codigo FROM circuito WHERE circuito_sequencial=%i", m_nCircuito).c_str());
            if (!rs.IsEOF())
                rs.GetFieldByte("sistema_codigo", sistema);
        }
        {
            CDaoRecordsetManual rs(&Referencia(), dbOpenSnapshot,
                                   FormatC("SELECT sistema_tipo_codigo FROM sistema WHERE sistema_codigo=%i", sistema).c_str());
            if (!rs.IsEOF())
                rs.GetFieldByte("sistema_tipo_codigo", m_nTipoSistema);
        }
        CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                               FormatC("SELECT * FROM carga WHERE circuito_sequencial=%i", m_nCircuito).c_str());
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CItemCarga item;
            rs.GetFieldFloat("carga_fator_demanda", item.fator_demanda);
            rs.GetFieldShort("carga_numero_cargas_iguais", item.numero_cargas_iguais);
            rs.GetFieldFloat("carga_potencia_ativa", item.potencia_ativa);
            rs.GetFieldFloat("carga_fator_potencia", item.fator_potencia);
            m_cargas.push_back(item);
        }
        if (m_cargas.empty()) {
            CDaoRecordsetManual circuito(
                &db, dbOpenSnapshot,
                FormatC("SELECT circuito_corrente_regime,circuito_fator_potencia_regime FROM circuito WHERE "
                        "circuito_sequencial=%i",
                        m_nCircuito)
                    .c_str());
            if (!circuito.IsEOF()) {
                circuito.GetFieldFloat("circuito_corrente_regime", corrente);
                circuito.GetFieldFloat("circuito_fator_potencia_regime", fatorPotencia);
            }
        }
        lido = true;
    } catch (CDaoException& e) {
        ReportError("CCarga_corrente::OnInitDialog", &e);
    }
    if (lido && !m_cargas.empty())
        Calcular_corrente(corrente, fatorPotencia);

    m_corrente.SetMask("####.#");
    m_fatorPotencia.SetMask("#.##");
    m_corrente.SetValue(corrente);
    m_fatorPotencia.SetValue(fatorPotencia);

    const bool vazia = m_cargas.empty();
    m_corrente.EnableWindow(vazia);
    if (m_nTipoSistema == 2) {
        m_fatorPotencia.ShowWindow(SW_HIDE);
        m_rotuloFatorPotencia.ShowWindow(SW_HIDE);
    } else {
        m_fatorPotencia.EnableWindow(vazia);
    }
    Validar();
    return TRUE;
}

void CCarga_corrente::Validar()
{
    const float corrente = m_corrente.GetValue();
    const float fp = m_fatorPotencia.GetValue();
    if (m_nTipoSistema == 2) {
        const bool correnteOk = corrente >= 0;
        Colorir(m_corrente, correnteOk);
        m_ok.EnableWindow(correnteOk);
        return;
    }
    if (corrente == 0 && fp == 0) {  // a circuit with no non-motor load
        Colorir(m_corrente, true);
        Colorir(m_fatorPotencia, true);
        m_ok.EnableWindow(TRUE);
        return;
    }
    const bool correnteOk = corrente > 0;
    const bool fpOk = fp > 0 && fp <= 1;
    Colorir(m_corrente, correnteOk);
    Colorir(m_fatorPotencia, fpOk);
    m_ok.EnableWindow(correnteOk && fpOk);
}

void CCarga_corrente::OnCalcularCorrente()
{
    if (m_nTipoSistema == 2) {
        CCorrente_continua dlg(this);
        dlg.m_pCargas = &m_cargas;
        dlg.DoModal();
    } else {
        CCarga dlg(this);
        dlg.m_pCargas = &m_cargas;
        dlg.DoModal();
    }
    if (m_cargas.empty()) {
        m_corrente.EnableWindow(TRUE);
        m_fatorPotencia.EnableWindow(TRUE);
    } else {
        float corrente = 0.0f;
        float fatorPotencia = 0.0f;
        Calcular_corrente(corrente, fatorPotencia);
        m_corrente.EnableWindow(FALSE);
        m_fatorPotencia.EnableWindow(FALSE);
        m_corrente.SetValue(corrente);
        m_fatorPotencia.SetValue(fatorPotencia);
    }
    Validar();
}

void CCarga_corrente::Calcular_corrente(float& corrente, float& fatorPotencia)
{
    // When the circuit or its system cannot be read the sums still run; with no voltage the current is 0,
    // which the dialog shows as invalid rather than storing a division by zero.
    BYTE sistema = 0;
    short tensaoFaseFase = 0;
    float tensaoFaseNeutro = 0.0f;
    BOOL consideraTensaoFase = FALSE;
    float fatorCalculoDemanda = 1.0f;
    try {
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot,
                               FormatC("SELECT sistema_codigo,circuito_tensao_fase_fase,circuito_tensao_fase_neutro FROM "
                                       "circuito WHERE circuito_sequencial=%i",
                                       m_nCircuito)
                                   .c_str());
        if (!rs.IsEOF()) {
            rs.GetFieldByte("sistema_codigo", sistema);
            rs.GetFieldShort("circuito_tensao_fase_fase", tensaoFaseFase);
            rs.GetFieldFloat("circuito_tensao_fase_neutro", tensaoFaseNeutro);
        }
        CDaoRecordsetManual sis(&Referencia(), dbOpenSnapshot,
                                FormatC("SELECT sistema_considera_tensao_fase,sistema_fator_calculo_demanda FROM sistema "
                                        "WHERE sistema_codigo=%i",
                                        sistema)
                                    .c_str());
        if (!sis.IsEOF()) {
            sis.GetFieldBool("sistema_considera_tensao_fase", consideraTensaoFase);
            sis.GetFieldFloat("sistema_fator_calculo_demanda", fatorCalculoDemanda);
        }
    } catch (CDaoException& e) {
        ReportError("CCarga_corrente::Calcular_corrente", &e);
    }
    const float tensao = consideraTensaoFase ? static_cast<float>(tensaoFaseFase)
                                             : static_cast<float>(static_cast<short>(tensaoFaseNeutro));
    float p = 0.0f;
    float s = 0.0f;
    for (const CItemCarga& item : m_cargas) {
        const float c = item.potencia_ativa * static_cast<float>(item.numero_cargas_iguais) * item.fator_demanda;
        p = p + c;
        s = s + c / item.fator_potencia;
    }
    corrente = 0.0f;
    fatorPotencia = 0.0f;
    if (p > 0) {
        fatorPotencia = p / s;
        const float divisor = std::sqrt(fatorCalculoDemanda) * tensao;
        if (divisor > 0)
            corrente = s / divisor;
    }
}

void CCarga_corrente::OnOK()
{
    const double corrente = static_cast<double>(m_corrente.GetValue());
    const double fatorPotencia = static_cast<double>(m_fatorPotencia.GetValue());
    try {
        CDaoDatabase& db = Projeto();
        CDaoTransaction transacao(db);
        InvalidarCalculoPais(db, m_nCircuito);
        db.Execute(FormatC("UPDATE circuito SET circuito_corrente_regime=%6.1f,circuito_fator_potencia_regime=%4.2f,"
                           "circuito_calculado=0 WHERE circuito_sequencial=%i",
                           corrente, fatorPotencia, m_nCircuito),
                   dbFailOnError);
        db.Execute(FormatC("DELETE FROM carga WHERE circuito_sequencial=%i", m_nCircuito), dbFailOnError);
        int sequencial = 0;
        for (const CItemCarga& item : m_cargas)
            db.Execute(FormatC("INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_fator_demanda,"
                               "carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_potencia) "
                               "VALUES(%i,%i,%4.2f,%i,%9.1f,%4.2f)",
                               m_nCircuito, ++sequencial, static_cast<double>(item.fator_demanda),
                               item.numero_cargas_iguais, static_cast<double>(item.potencia_ativa),
                               static_cast<double>(item.fator_potencia)),
                       dbFailOnError);
        transacao.Commit();
    } catch (CDaoException& e) {
        ReportError("CCarga_corrente::OnOK", &e);
        return;  // nothing written: the user may retry or cancel
    }
    EndDialog(IDOK);
}
