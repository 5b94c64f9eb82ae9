#include "CaracteristicasMt.h"

#include "CaracteristicasMtIds.h"
#include "CaracteristicasMtTemplate.h"

#include "AppContext.h"
#include "CFormat.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SqlValue.h"
#include "ValidityColors.h"

#include <cmath>

using namespace mvcar;
using zeldlg::kAutom;

namespace {

int ValorInteiro(const CComboBox& lista)
{
    const int sel = lista.GetCurSel();
    return sel == CB_ERR ? 0 : static_cast<int>(zel::ui::ParseLongC(lista.GetLBText(sel)));
}

}  // namespace

BEGIN_MESSAGE_MAP(CCaracteristicas, CCaracteristicasComum)
    ON_EN_KILLFOCUS(IDC_TENSAO_SERVICO, OnKillfocusTensaoServico)
    ON_CBN_SELCHANGE(IDC_CABO, OnChange)
    ON_EN_CHANGE(IDC_CORRENTE_PROJETO, OnChangeCorrenteProjeto)
    ON_CBN_KILLFOCUS(IDC_CLASSE_TENSAO, OnKillfocusClasseTensao)
    ON_EN_CHANGE(IDC_POTENCIA_APARENTE, OnChangePotenciaAparente)
    ON_EN_CHANGE(IDC_TENSAO_SERVICO, OnChangeTensaoServico)
    ON_EN_CHANGE(IDC_NUMERO_CONDUTORES, OnChangeNumeroCondutores)
    ON_EN_CHANGE(IDC_CORRENTE_CURTO_CONDUTOR, OnChange)
    ON_EN_CHANGE(IDC_FATOR_POTENCIA, OnChange)
    ON_EN_CHANGE(IDC_QUEDA_TENSAO_MAXIMA, OnChange)
    ON_EN_CHANGE(IDC_TEMPO_CURTO_BLINDAGEM, OnChange)
    ON_EN_CHANGE(IDC_TEMPO_CURTO_CONDUTOR, OnChange)
    ON_CBN_SELCHANGE(IDC_MANEIRA_INSTALAR, OnChange)
    ON_CBN_SELCHANGE(IDC_CONEXAO_TIPO, OnChange)
    ON_CBN_KILLFOCUS(IDC_SECAO_CONDUTOR, OnKillfocusSecaoCondutor)
END_MESSAGE_MAP()

void CCaracteristicas::DoDataExchange(CDataExchange* pDX)
{
    CCaracteristicasComum::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SECAO_CONDUTOR, m_secaoCondutor);
    DDX_Control(pDX, IDC_POTENCIA_APARENTE, m_potenciaAparente);
    DDX_Control(pDX, IDC_CLASSE_TENSAO, m_classeTensao);
    DDX_Control(pDX, IDC_CONEXAO_TIPO, m_conexaoTipo);
    DDX_Control(pDX, IDC_TEMPO_CURTO_CONDUTOR, m_tempoCurtoCondutor);
    DDX_Control(pDX, IDC_TEMPO_CURTO_BLINDAGEM, m_tempoCurtoBlindagem);
    DDX_Control(pDX, IDC_LABEL_FATOR_POTENCIA, m_labelFatorPotencia);
    DDX_Control(pDX, IDC_TENSAO_SERVICO, m_tensaoServico);
    DDX_Control(pDX, IDC_QUEDA_TENSAO_MAXIMA, m_quedaTensaoMaxima);
    DDX_Control(pDX, IDC_FATOR_POTENCIA, m_fatorPotencia);
    DDX_Control(pDX, IDC_CORRENTE_PROJETO, m_correnteProjeto);
    DDX_Control(pDX, IDC_CORRENTE_CURTO_CONDUTOR, m_correnteCurtoCondutor);
    DDX_Control(pDX, IDC_RESISTIVIDADE, m_resistividade);
    DDX_Control(pDX, IDC_LABEL_RESISTIVIDADE, m_labelResistividade);
    DDX_Control(pDX, IDC_UNIDADE_RESISTIVIDADE, m_unidadeResistividade);
    DDX_Control(pDX, IDC_LABEL_NUMERO_CONDUTORES, m_labelNumeroCondutores);
}

CCaracteristicas::CCaracteristicas(CWnd* pParent)
    : CCaracteristicasComum(MvCaracteristicasTemplate(), zel::ui::kMvsizeInvalidBackground, pParent)
{
}

// --- start ------------------------------------------------------------------------------------------------

int CCaracteristicas::OnInitDialog()
{
    m_bIniciando = true;
    CDialog::OnInitDialog();
    {
        FocoEmCurso adiar(*this);
        UpdateData(TRUE);
        m_circuito.SetMask("");
        m_tensaoServico.SetMask("##.#");
        m_comprimento.SetMask("#####");
        m_quedaTensaoMaxima.SetMask("##.##");
        m_correnteProjeto.SetMask("#####.#");
        m_fatorPotencia.SetMask("#.##");
        m_potenciaAparente.SetMask("#####.#");
        m_correnteCurtoCondutor.SetMask("###.##");
        m_tempoCurtoCondutor.SetMask("####.####");
        m_tempoCurtoBlindagem.SetMask("####.####");
        m_numeroCondutores.SetMask("##");
        m_fatorAgrupamento.SetMask("#.##");
        m_tempoCurtoBlindagem.ShowWindow(SW_HIDE);
        m_tempoCurtoBlindagem.SetValue(1.0f);

        CDaoDatabase* db = Projeto();
        if (m_bInclusao)
            CarregarInclusao(db);
        else
            CarregarEdicao(db);
        UpdateData(FALSE);
        PreencherListas();

        m_fMaximaClasseTensao = MaximaClasseTensao();
        if (!m_bInclusao || m_nCircuitoSequencialPai > 0) {
            OnSetfocusCabo();
            OnKillfocusCabo();
        }

        const int temperatura = m_temperatura.FindString(-1, FormatC("%i", m_nTemperaturaInicial));
        if (temperatura != CB_ERR)
            m_temperatura.SetCurSel(temperatura);
        const int secao = m_secaoCondutor.FindString(-1, FormatC("%4i", m_nSecaoInicial));
        m_secaoCondutor.SetCurSel(secao == CB_ERR ? 0 : secao);
        const int resistividade =
            m_resistividade.FindString(-1, FormatC("%1.1f", static_cast<double>(m_fResistividadeInicial)));
        m_resistividade.SetCurSel(resistividade == CB_ERR ? 0 : resistividade);

        m_bCondutoresDigitados = FALSE;
        UpdateData(FALSE);
        m_bIniciando = false;
        OnChangeCorrenteProjeto();
        OnKillfocusTensaoServico();
        OnKillfocusNumeroCondutores();
        OnKillfocusFatorAgrupamento();
        // The conductors field was just written by the start, not typed.
        m_bCondutoresDigitados = FALSE;
    }
    m_bIniciando = false;
    OnChange();
    return TRUE;
}

void CCaracteristicas::CarregarInclusao(CDaoDatabase* db)
{
    m_bTemFilhos = FALSE;
    m_strCircuitoCodigo.clear();
    m_nCircuitoSequencial = 0;
    m_numeroCondutores.SetValue(0);
    m_fatorAgrupamento.SetValue(0);
    m_nSecaoInicial = 0;
    if (m_nCircuitoSequencialPai <= 0) {
        m_nManeiraInstalarCodigo = 0;
        m_nClasseTensaoCodigo = 0;
        m_nCaboCodigo = 0;
        m_nTemperaturaInicial = 0;
        return;
    }
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i",
                                       static_cast<int>(m_nCircuitoSequencialPai))
                                   .c_str());
        float f = 0;
        BYTE b = 0;
        rs.GetFieldFloat("circuito_tensao_servico", f);
        m_tensaoServico.SetValue(f);
        rs.GetFieldFloat("circuito_fator_potencia", f);
        m_fatorPotencia.SetValue(f);
        rs.GetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
        rs.GetFieldByte("classe_tensao_codigo", m_nClasseTensaoCodigo);
        rs.GetFieldByte("cabo_codigo", m_nCaboCodigo);
        rs.GetFieldByte("temperatura_ambiente", b);
        m_nTemperaturaInicial = b;
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
}

void CCaracteristicas::CarregarEdicao(CDaoDatabase* db)
{
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot, SqlEdicao().c_str());
        float f = 0;
        short s = 0;
        BYTE b = 0;
        rs.GetFieldShort("circuito_sequencial_pai", m_nCircuitoSequencialPai);
        rs.GetFieldString("circuito_codigo", m_strCircuitoCodigo);
        UpdateData(FALSE);
        rs.GetFieldFloat("resistividade_termica", m_fResistividadeInicial);
        rs.GetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
        rs.GetFieldByte("cabo_codigo", m_nCaboCodigo);
        rs.GetFieldByte("temperatura_ambiente", b);
        m_nTemperaturaInicial = b;
        rs.GetFieldFloat("circuito_corrente_projeto", f);
        m_correnteProjeto.SetValue(f);
        rs.GetFieldFloat("circuito_tensao_servico", f);
        m_tensaoServico.SetValue(f);
        rs.GetFieldByte("classe_tensao_codigo", m_nClasseTensaoCodigo);
        rs.GetFieldFloat("circuito_queda_tensao_maxima", f);
        m_quedaTensaoMaxima.SetValue(f);
        rs.GetFieldFloat("circuito_fator_potencia", f);
        m_fatorPotencia.SetValue(f);
        rs.GetFieldFloat("circuito_comprimento", f);
        m_comprimento.SetValue(f);
        rs.GetFieldByte("conexao_tipo_codigo", m_nConexaoTipoCodigo);
        rs.GetFieldFloat("circuito_tempo_curto_condutor", f);
        m_tempoCurtoCondutor.SetValue(f);
        rs.GetFieldFloat("circuito_tempo_curto_blindagem", f);
        m_tempoCurtoBlindagem.SetValue(f);
        rs.GetFieldFloat("circuito_corrente_curto_condutor", f);
        m_correnteCurtoCondutor.SetValue(f);
        rs.GetFieldShort("circuito_numero_condutores", s);
        m_numeroCondutores.SetValue(s);
        rs.GetFieldShort("circuito_secao_condutor_imposta", s);
        m_nSecaoInicial = s;
        rs.GetFieldFloat("circuito_fator_agrupamento_imposto", f);
        m_fatorAgrupamento.SetValue(f);
        long filhos = 0;
        rs.GetFieldLong("total_filhos", filhos);
        m_bTemFilhos = filhos > 0;
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
}

void CCaracteristicas::PreencherListas()
{
    try {
        const std::string sql =
            m_nCircuitoSequencialPai > 0
                ? FormatC("SELECT * FROM maneira_instalar WHERE maneira_instalar_codigo IN (SELECT "
                          "maneira_instalar_codigo FROM maneira_instalar_x_classe_tensao_x_cabo WHERE "
                          "classe_tensao_codigo=%i)",
                          static_cast<int>(m_nClasseTensaoCodigo))
                : std::string("SELECT * FROM maneira_instalar");
        CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot, sql.c_str());
        m_maneiraInstalar.ResetContent();
        PreencherPorCodigo(m_maneiraInstalar, rs, "maneira_instalar_descricao", "maneira_instalar_codigo");
        SelecionarPorCodigo(m_maneiraInstalar, m_nManeiraInstalarCodigo, true);

        CDaoRecordsetManual resist(Catalogo(), dbOpenSnapshot,
                                   "SELECT DISTINCT resistividade_termica_solo from resistividade_termica_solo");
        m_resistividade.ResetContent();
        for (; !resist.IsEOF(); resist.MoveNext()) {
            float valor = 0;
            resist.GetFieldFloat("resistividade_termica_solo", valor);
            m_resistividade.AddString(FormatC("%1.1f", static_cast<double>(valor)));
        }

        CDaoRecordsetManual secoes(Catalogo(), dbOpenSnapshot,
                                   "SELECT DISTINCT seccao_condutor from capacidade_corrente_NBR_14039");
        m_secaoCondutor.ResetContent();
        m_secaoCondutor.AddString(kAutom);
        for (; !secoes.IsEOF(); secoes.MoveNext()) {
            short secao = 0;
            secoes.GetFieldShort("seccao_condutor", secao);
            m_secaoCondutor.AddString(FormatC("%4.0i", static_cast<int>(secao)));
        }

        CDaoRecordsetManual conexoes(Catalogo(), dbOpenSnapshot, "SELECT * FROM conexao_tipo");
        m_conexaoTipo.ResetContent();
        PreencherPorCodigo(m_conexaoTipo, conexoes, "conexao_tipo_descricao", "conexao_tipo_codigo");
        SelecionarPorCodigo(m_conexaoTipo, m_nConexaoTipoCodigo, true);
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
}

float CCaracteristicas::MaximaClasseTensao()
{
    float maximo = 0;
    try {
        const std::string sql =
            m_nCaboCodigo != 0
                ? FormatC("SELECT MAX(classe_tensao_maxima) AS Maximo FROM classe_tensao WHERE classe_tensao_codigo "
                          "IN (SELECT classe_tensao_codigo FROM maneira_instalar_x_classe_tensao_x_cabo WHERE "
                          "cabo_codigo=%i)",
                          static_cast<int>(m_nCaboCodigo))
                : std::string("SELECT MAX(classe_tensao_maxima) AS Maximo FROM classe_tensao");
        CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot, sql.c_str());
        if (!rs.IsEOF())
            rs.GetFieldFloat("Maximo", maximo);
    } catch (CDaoException& e) {
        // No voltage can be checked against an unknown limit: OK stays disabled.
        maximo = 0;
        Relatar("CCaracteristicas::OnKillfocusManeiraInstalar(1)", e);
    }
    return maximo;
}

// --- the cascade ------------------------------------------------------------------------------------------

void CCaracteristicas::OnKillfocusTensaoServico()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    m_classeTensao.ResetContent();
    const float u = m_tensaoServico.GetValue();
    if (u <= 0) {
        m_nClasseTensaoCodigo = 0;
    } else {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   FormatC("SELECT * FROM classe_tensao WHERE classe_tensao_maxima>=%4.2f ORDER BY "
                                           "classe_tensao_maxima",
                                           static_cast<double>(u))
                                       .c_str());
            if (rs.IsEOF()) {
                m_nClasseTensaoCodigo = 0;
            } else {
                if (m_nClasseTensaoCodigo == 0)
                    rs.GetFieldByte("classe_tensao_codigo", m_nClasseTensaoCodigo);
                m_classeTensao.SetCurSel(m_classeTensao.AddString(" "));
                int selecionado = -1;
                for (; !rs.IsEOF(); rs.MoveNext()) {
                    std::string descricao;
                    BYTE codigo = 0;
                    rs.GetFieldString("classe_tensao_descricao", descricao);
                    rs.GetFieldByte("classe_tensao_codigo", codigo);
                    const int i = m_classeTensao.AddString(descricao);
                    m_classeTensao.SetItemData(i, codigo);
                    if (codigo == m_nClasseTensaoCodigo)
                        selecionado = i;
                }
                m_classeTensao.SetCurSel(selecionado >= 0 ? selecionado : 0);
            }
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusTensaoServico", e);
        }
    }
    if (m_bInclusao && m_classeTensao.GetCount() > 0)
        m_classeTensao.SetCurSel(0);
    UpdateData(FALSE);
    OnKillfocusManeiraInstalar();
}

void CCaracteristicas::OnKillfocusClasseTensao()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    const int sel = m_classeTensao.GetCurSel();
    if (sel != CB_ERR && m_classeTensao.GetLBText(sel) != " ") {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   "SELECT * FROM classe_tensao WHERE classe_tensao_descricao=?",
                                   {m_classeTensao.GetLBText(sel)});
            if (!rs.IsEOF())
                rs.GetFieldByte("classe_tensao_codigo", m_nClasseTensaoCodigo);
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusClasseTensao(1)", e);
        }
    }
    UpdateData(FALSE);
    OnChange();
}

void CCaracteristicas::OnKillfocusManeiraInstalar()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    BYTE tipo = 0;
    const int sel = m_maneiraInstalar.GetCurSel();
    if (sel != CB_ERR && m_nClasseTensaoCodigo != 0) {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   "SELECT * FROM maneira_instalar WHERE maneira_instalar_descricao=?",
                                   {m_maneiraInstalar.GetLBText(sel)});
            if (!rs.IsEOF()) {
                rs.GetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
                rs.GetFieldByte("tipo_maneira_instalar_codigo", tipo);
            }
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusManeiraInstalar(1)", e);
        }
    } else {
        m_nManeiraInstalarCodigo = 0;
    }

    if (m_nManeiraInstalarCodigo != 0 && m_nCaboCodigo != 0) {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   FormatC("SELECT * FROM maneira_instalar_x_classe_tensao_x_cabo WHERE "
                                           "maneira_instalar_codigo=%i AND classe_tensao_codigo=%i AND cabo_codigo=%i",
                                           static_cast<int>(m_nManeiraInstalarCodigo),
                                           static_cast<int>(m_nClasseTensaoCodigo), static_cast<int>(m_nCaboCodigo))
                                       .c_str());
            if (rs.IsEOF()) {
                m_nCaboCodigo = 0;
                m_cabo.ResetContent();
            }
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusManeiraInstalar(2)", e);
        }
    }

    const bool enterrada = tipo == 2;
    Mostrar(m_labelResistividade, enterrada);
    Mostrar(m_resistividade, enterrada);
    Mostrar(m_unidadeResistividade, enterrada);
    if (enterrada && m_bInclusao && m_resistividade.GetCount() > 3)
        m_resistividade.SetCurSel(3);

    // For these methods the layout questions decide the number of conductors.
    const BYTE m = m_nManeiraInstalarCodigo;
    const bool pelasPerguntas = m == 1 || m == 4 || m == 5 || m == 6;
    m_numeroCondutores.EnableWindow(!pelasPerguntas);
    Mostrar(m_numeroCondutores, !pelasPerguntas);
    Mostrar(m_labelNumeroCondutores, !pelasPerguntas);

    UpdateData(FALSE);
    OnKillfocusCabo();
}

void CCaracteristicas::OnSetfocusCabo()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    m_cabo.ResetContent();
    try {
        CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                               FormatC("SELECT * FROM cabo WHERE (flag_ativo = 'S' or flag_ativo = 's') and "
                                       "cabo_codigo IN (SELECT cabo_codigo FROM "
                                       "maneira_instalar_x_classe_tensao_x_cabo WHERE maneira_instalar_codigo=%i AND "
                                       "classe_tensao_codigo=%i) order by ordem",
                                       static_cast<int>(m_nManeiraInstalarCodigo),
                                       static_cast<int>(m_nClasseTensaoCodigo))
                                   .c_str());
        PreencherPorCodigo(m_cabo, rs, "cabo_descricao", "cabo_codigo");
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnSetfocusCabo", e);
    }
    SelecionarPorCodigo(m_cabo, m_nCaboCodigo, true);
    UpdateData(FALSE);
    m_fMaximaClasseTensao = MaximaClasseTensao();
}

void CCaracteristicas::OnKillfocusCabo()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    const int sel = m_cabo.GetCurSel();
    if (sel != CB_ERR) {
        try {
            {
                CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot, "SELECT * FROM cabo WHERE cabo_descricao=?",
                                       {m_cabo.GetLBText(sel)});
                if (!rs.IsEOF())
                    rs.GetFieldByte("cabo_codigo", m_nCaboCodigo);
            }

            const int anterior = ValorInteiro(m_temperatura);
            {
                CDaoRecordsetManual rs(
                    Catalogo(), dbOpenSnapshot,
                    FormatC("SELECT c.* FROM maneira_instalar a,cabo b,fator_correcao_temperatura c WHERE "
                            "a.tipo_maneira_instalar_codigo=c.tipo_maneira_instalar_codigo and "
                            "b.tipo_isolacao_codigo=c.tipo_isolacao_codigo and a.maneira_instalar_codigo=%i AND "
                            "b.cabo_codigo=%i",
                            static_cast<int>(m_nManeiraInstalarCodigo), static_cast<int>(m_nCaboCodigo))
                        .c_str());
                m_temperatura.ResetContent();
                PreencherTemperaturas(m_temperatura, rs);
                int linha = m_temperatura.FindStringExact(-1, FormatC("%i", anterior == 0 ? 30 : anterior));
                if (linha == CB_ERR && m_temperatura.GetCount() > 0)
                    linha = 0;
                m_temperatura.SetCurSel(linha);
            }

            const int secaoAnterior = ValorInteiro(m_secaoCondutor);
            {
                CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                       FormatC("SELECT secao_nominal FROM cabo_x_secao_blindagem WHERE cabo_codigo=%i "
                                               "AND classe_tensao_codigo=%i",
                                               static_cast<int>(m_nCaboCodigo),
                                               static_cast<int>(m_nClasseTensaoCodigo))
                                           .c_str());
                m_secaoCondutor.ResetContent();
                m_secaoCondutor.AddString(kAutom);
                int linha = 0;
                for (; !rs.IsEOF(); rs.MoveNext()) {
                    short secao = 0;
                    rs.GetFieldShort("secao_nominal", secao);
                    const int i = m_secaoCondutor.AddString(FormatC("%4i", static_cast<int>(secao)));
                    if (secaoAnterior > 0 && secao == secaoAnterior)
                        linha = i;
                }
                m_secaoCondutor.SetCurSel(linha);
            }
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusCabo(1)", e);
        }
    }
    UpdateData(FALSE);
    OnChange();
}

// --- current and apparent power ---------------------------------------------------------------------------

void CCaracteristicas::Converter(bool daCorrente)
{
    UpdateData(TRUE);
    if (m_bConvertendo)
        return;
    m_bConvertendo = TRUE;
    const double u = m_tensaoServico.GetValue();
    const float valor = daCorrente ? m_correnteProjeto.GetValue() : m_potenciaAparente.GetValue();
    CEditColor& outro = daCorrente ? m_potenciaAparente : m_correnteProjeto;
    const bool positivo = valor > 0;
    Mostrar(m_labelFatorPotencia, positivo);
    Mostrar(m_fatorPotencia, positivo);
    if (!positivo)
        outro.SetValue(0);
    else if (u > 0)
        outro.SetValue(daCorrente ? static_cast<float>(std::sqrt(3.0) * valor * u)
                                  : static_cast<float>(valor / (std::sqrt(3.0) * u)));
    UpdateData(FALSE);
    OnChange();
    m_bConvertendo = FALSE;
}

void CCaracteristicas::OnChangeCorrenteProjeto()
{
    Converter(true);
}

void CCaracteristicas::OnChangePotenciaAparente()
{
    Converter(false);
}

void CCaracteristicas::OnChangeTensaoServico()
{
    m_nClasseTensaoCodigo = 0;
    Converter(true);
}

// --- conductors per phase against the imposed section -----------------------------------------------------

void CCaracteristicas::OnChangeNumeroCondutores()
{
    m_bCondutoresDigitados = TRUE;
    OnChange();
}

void CCaracteristicas::OnKillfocusNumeroCondutores()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    if (m_numeroCondutores.GetValue() > 0) {
        m_secaoCondutor.SetCurSel(0);
    } else {
        m_numeroCondutores.SetWindowText(kAutom);
        m_bCondutoresDigitados = FALSE;
    }
    UpdateData(FALSE);
}

void CCaracteristicas::OnKillfocusSecaoCondutor()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    if (m_secaoCondutor.GetCurSel() > 0)
        m_numeroCondutores.SetWindowText(kAutom);
    UpdateData(FALSE);
}

// --- validation -------------------------------------------------------------------------------------------

namespace {

struct Validade {
    bool tensao, tensaoOk, codigo, queda, comprimento, tempoCondutor, tempoBlindagem, curto, condutores,
        agrupamento, potencia, corrente;
};

Validade Avaliar(const CCaracteristicas& d)
{
    Validade v{};
    const float u = d.m_tensaoServico.GetValue();
    v.tensao = u > 0;
    v.tensaoOk = u > 0 && u <= d.m_fMaximaClasseTensao;
    v.codigo = !d.m_circuito.GetWindowText().empty();
    v.queda = d.m_quedaTensaoMaxima.GetValue() > 0;
    v.comprimento = d.m_comprimento.GetValue() > 0;
    v.tempoCondutor = d.m_tempoCurtoCondutor.GetValue() > 0;
    v.tempoBlindagem = d.m_tempoCurtoBlindagem.GetValue() > 0;
    v.curto = d.m_correnteCurtoCondutor.GetValue() > 0;
    v.condutores = d.m_numeroCondutores.GetValue() >= 0;
    const float agrupamento = d.m_fatorAgrupamento.GetValue();
    v.agrupamento = agrupamento >= 0 && agrupamento <= 1;
    const float fp = d.m_fatorPotencia.GetValue();
    v.potencia = fp > 0 && fp <= 1;
    v.corrente = d.m_correnteProjeto.GetValue() == 0;
    return v;
}

}  // namespace

bool CCaracteristicas::FormularioValido()
{
    const Validade v = Avaliar(*this);
    const float i = m_correnteProjeto.GetValue();
    return v.codigo && m_maneiraInstalar.GetCurSel() != CB_ERR && m_cabo.GetCurSel() != CB_ERR &&
           m_temperatura.GetCurSel() != CB_ERR && m_conexaoTipo.GetCurSel() != CB_ERR && v.tensaoOk && v.queda &&
           v.comprimento && v.tempoCondutor && v.tempoBlindagem && v.curto && v.condutores && v.agrupamento &&
           ((i > 0 && v.potencia) || i == 0);
}

void CCaracteristicas::OnChange()
{
    if (m_bIniciando || !m_ok.IsCreated())
        return;
    RelatarPendentes();
    UpdateData(TRUE);
    const Validade v = Avaliar(*this);
    Pintar(m_tensaoServico, v.tensao);
    Pintar(m_circuito, v.codigo);
    Pintar(m_quedaTensaoMaxima, v.queda);
    Pintar(m_comprimento, v.comprimento);
    Pintar(m_tempoCurtoCondutor, v.tempoCondutor);
    Pintar(m_tempoCurtoBlindagem, v.tempoBlindagem);
    Pintar(m_correnteCurtoCondutor, v.curto);
    Pintar(m_numeroCondutores, v.condutores);
    Pintar(m_fatorAgrupamento, v.agrupamento);
    if (m_correnteProjeto.GetValue() > 0)
        Pintar(m_fatorPotencia, v.potencia);
    else
        Pintar(m_correnteProjeto, v.corrente);

    const bool maneira = m_maneiraInstalar.GetCurSel() != CB_ERR;
    m_classeTensao.EnableWindow(maneira && v.tensaoOk);
    m_cabo.EnableWindow(maneira && v.tensaoOk);
    m_temperatura.EnableWindow(maneira && v.tensaoOk && m_cabo.GetCurSel() != CB_ERR);
    // A sub-circuit keeps its parent's voltage; a circuit with sub-circuits keeps its own.
    m_tensaoServico.EnableWindow(m_nCircuitoSequencialPai <= 0 && !m_bTemFilhos);
    m_ok.EnableWindow(FormularioValido());
    UpdateData(FALSE);
}
