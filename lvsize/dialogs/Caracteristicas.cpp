#include "Caracteristicas.h"

#include "CaracteristicasIds.h"
#include "CaracteristicasTemplate.h"
#include "SecaoTexto.h"

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
#include <cstdlib>
#include <set>

using namespace car;
using zeldlg::kAutom;

BEGIN_MESSAGE_MAP(CCaracteristicas, CCaracteristicasComum)
    ON_CBN_KILLFOCUS(IDC_SISTEMA, OnKillfocusSistema)
    ON_CBN_SELCHANGE(IDC_MANEIRA_INSTALAR, OnSelchangeManeiraInstalar)
    ON_CBN_SELCHANGE(IDC_SISTEMA, OnSelchangeSistema)
    ON_CBN_SELCHANGE(IDC_CABO, OnSelchangeCabo)
    ON_CBN_SELCHANGE(IDC_SECAO_MINIMA_AJUDA, OnSelchangeSecaoMinimaAjuda)
    ON_CBN_SELCHANGE(IDC_POSSUI_HARMONICOS, OnSelchangePossuiHarmonicos)
    ON_CBN_SETFOCUS(IDC_SISTEMA, OnSetfocusSistema)
    ON_EN_CHANGE(IDC_QUEDA_REGIME, OnChangeQuedaTensao)
    ON_EN_CHANGE(IDC_QUEDA_PARTIDA, OnChangeQuedaTensao)
    ON_EN_KILLFOCUS(IDC_TENSAO_FASE_FASE, OnKillfocusTensaoFaseFase)
    ON_CBN_KILLFOCUS(IDC_SECAO_IMPOSTA, OnKillfocusSecaoImposta)
    ON_BN_CLICKED(IDC_DISPENSAR_CONTATO_INDIRETO, OnDispensarContatoIndireto)
    ON_BN_CLICKED(IDC_DISPENSAR_SOBRECARGA, OnDispensarSobrecarga)
    ON_EN_KILLFOCUS(IDC_SECAO_MINIMA, OnKillfocusCabo)
    ON_EN_CHANGE(IDC_CORRENTE_CC, Validar)
    ON_EN_CHANGE(IDC_HARMONICAS, Validar)
    ON_EN_CHANGE(IDC_FATOR_DEMANDA, Validar)
    ON_EN_CHANGE(IDC_NUMERO_CONDUTORES, Validar)
    ON_EN_CHANGE(IDC_QUEDA_PARTIDA_ORIGEM, Validar)
    ON_EN_CHANGE(IDC_QUEDA_REGIME_ORIGEM, Validar)
    ON_EN_CHANGE(IDC_TENSAO_FASE_FASE, Validar)
    ON_EN_CHANGE(IDC_TENSAO_FASE_NEUTRO, Validar)
    ON_EN_CHANGE(IDC_SECAO_MINIMA, Validar)
    ON_BN_CLICKED(IDC_CONTEM_MOTOR, Validar)
END_MESSAGE_MAP()

CCaracteristicas::CCaracteristicas(CWnd* pParent)
    : CCaracteristicasComum(CaracteristicasTemplate(), zel::ui::kLvsizeInvalidBackground, pParent)
{
}

void CCaracteristicas::DoDataExchange(CDataExchange* pDX)
{
    CCaracteristicasComum::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SISTEMA, m_sistema);
    DDX_Control(pDX, IDC_TENSAO_FASE_FASE, m_tensaoFaseFase);
    DDX_Control(pDX, IDC_TENSAO_FASE_NEUTRO, m_tensaoFaseNeutro);
    DDX_Control(pDX, IDC_SECAO_MINIMA, m_secaoMinima);
    DDX_Control(pDX, IDC_SECAO_MINIMA_AJUDA, m_secaoMinimaAjuda);
    DDX_Control(pDX, IDC_FATOR_DEMANDA, m_fatorDemanda);
    DDX_Control(pDX, IDC_CORRENTE_CC, m_correnteCurto);
    DDX_Control(pDX, IDC_POSSUI_HARMONICOS, m_possuiHarmonicos);
    DDX_Control(pDX, IDC_HARMONICAS, m_harmonicas);
    DDX_Control(pDX, IDC_SECAO_IMPOSTA, m_secaoImposta);
    DDX_Control(pDX, IDC_RESISTIVIDADE, m_resistividade);
    DDX_Control(pDX, IDC_QUEDA_REGIME, m_quedaRegime);
    DDX_Control(pDX, IDC_QUEDA_REGIME_ORIGEM, m_quedaRegimeOrigem);
    DDX_Control(pDX, IDC_QUEDA_PARTIDA, m_quedaPartida);
    DDX_Control(pDX, IDC_QUEDA_PARTIDA_ORIGEM, m_quedaPartidaOrigem);
    DDX_Check(pDX, IDC_DISPENSAR_CONTATO_INDIRETO, m_bDispensarContatoIndireto);
    DDX_Check(pDX, IDC_DISPENSAR_SOBRECARGA, m_bDispensarSobrecarga);
    DDX_Check(pDX, IDC_CONTEM_CARGA, m_bCargaNaoMotor);
    DDX_Check(pDX, IDC_CONTEM_MOTOR, m_bMotor);
}

// --- start ------------------------------------------------------------------------------------------------

int CCaracteristicas::OnInitDialog()
{
    m_bIniciando = true;
    CDialog::OnInitDialog();
    UpdateData(TRUE);
    m_circuito.SetMask("");
    m_comprimento.SetMask("#####.#");
    m_tensaoFaseFase.SetMask("###");
    m_tensaoFaseNeutro.SetMask("###.##");
    m_secaoMinima.SetMask("###.##");
    m_fatorDemanda.SetMask("#.##");
    m_fatorAgrupamento.SetMask("#.##");
    m_correnteCurto.SetMask("###.#");
    m_harmonicas.SetMask("###");
    m_numeroCondutores.SetMask("##");
    m_quedaRegime.SetMask("##.#");
    m_quedaRegimeOrigem.SetMask("###.#");
    m_quedaPartida.SetMask("##.#");
    m_quedaPartidaOrigem.SetMask("###.#");

    CDaoDatabase* db = Projeto();
    {
        FocoEmCurso adiar(*this);
        if (m_bInclusao)
            CarregarInclusao(db);
        else
            CarregarEdicao(db);

        // The voltages of a sub-circuit, or of a circuit with sub-circuits, are fixed by the tree.
        m_tensaoFaseFase.EnableWindow(m_nCircuitoSequencialPai == 0 && !m_bTemFilhos);

        PreencherManeiras();
        PreencherSecaoMinimaAjuda();
        PreencherResistividades();
        m_possuiHarmonicos.ResetContent();
        m_possuiHarmonicos.AddString("Não sei");
        m_possuiHarmonicos.AddString("Sim");
        m_possuiHarmonicos.AddString("Não");
        UpdateData(FALSE);

        if (m_bInclusao && m_nCircuitoSequencialPai == 0) {
            m_sistema.EnableWindow(FALSE);
            m_cabo.EnableWindow(FALSE);
            m_temperatura.EnableWindow(FALSE);
            m_secaoImposta.EnableWindow(FALSE);
        } else {
            OnSetfocusSistema();
            OnSetfocusCabo();
            OnKillfocusManeiraInstalar();
        }

        m_temperatura.SetCurSel(m_temperatura.FindString(-1, FormatC("%i", m_nTemperaturaInicial)));
        const int secao = m_secaoImposta.FindString(-1, SecaoTexto(m_fSecaoImpostaInicial));
        m_secaoImposta.SetCurSel(secao == CB_ERR ? 0 : secao);

        UpdateData(FALSE);
        AplicarNumeroCondutores();
        AplicarFatorAgrupamento();
        RecalcularQuedaOrigem();
        m_possuiHarmonicos.SetCurSel(0);
        m_possuiHarmonicos.EnableWindow(TRUE);
    }
    m_bIniciando = false;
    Validar();
    RelatarPendentes();
    return TRUE;
}

void CCaracteristicas::CarregarInclusao(CDaoDatabase* db)
{
    m_bTemFilhos = FALSE;
    m_strCircuitoCodigo.clear();
    m_nCircuitoSequencial = 0;
    m_fSecaoImpostaInicial = 0.0f;
    if (m_nCircuitoSequencialPai == 0) {
        m_nManeiraInstalarCodigo = 0;
        m_nSistemaCodigo = 0;
        m_nCaboCodigo = 0;
        m_numeroCondutores.SetValue(0);
        m_fatorDemanda.SetValue(1.0f);
        m_secaoMinima.SetValue(2.5f);
        m_fatorAgrupamento.SetValue(0);
        m_nTemperaturaInicial = 0;
        m_fResistividadeInicial = 2.5f;
        return;
    }
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i",
                                       static_cast<int>(m_nCircuitoSequencialPai))
                                   .c_str());
        BYTE b = 0;
        short s = 0;
        float f = 0;
        rs.GetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
        rs.GetFieldByte("sistema_codigo", m_nSistemaCodigo);
        rs.GetFieldByte("cabo_codigo", m_nCaboCodigo);
        rs.GetFieldByte("temperatura_ambiente", b);
        m_nTemperaturaInicial = b;
        rs.GetFieldShort("circuito_tensao_fase_fase", s);
        m_tensaoFaseFase.SetValue(s);
        rs.GetFieldFloat("circuito_tensao_fase_neutro", f);
        m_tensaoFaseNeutro.SetValue(f);
        rs.GetFieldFloat("circuito_secao_minima", f);
        m_secaoMinima.SetValue(f);
        rs.GetFieldFloat("resistividade_termica_valor", m_fResistividadeInicial);
        rs.GetFieldShort("circuito_numero_de_condutores", s);
        m_numeroCondutores.SetValue(s);
        rs.GetFieldFloat("circuito_fator_demanda", f);
        m_fatorDemanda.SetValue(f);
        rs.GetFieldByte("circuito_conteudo_harmonica", b);
        m_harmonicas.SetValue(b);
        rs.GetFieldFloat("circuito_fator_agrupamento_imposto", f);
        m_fatorAgrupamento.SetValue(f);
        rs.GetFieldBool("circuito_dispensar_contato_indireto", m_bDispensarContatoIndireto);
        rs.GetFieldBool("circuito_dispensar_sobrecarga", m_bDispensarSobrecarga);
        m_bDispensarContatoIndireto = m_bDispensarContatoIndireto ? TRUE : FALSE;
        m_bDispensarSobrecarga = m_bDispensarSobrecarga ? TRUE : FALSE;
        rs.GetFieldFloat("circuito_queda_tensao_regime", f);
        m_quedaRegime.SetValue(f);
        rs.GetFieldFloat("circuito_queda_tensao_partida", f);
        m_quedaPartida.SetValue(f);
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
}

void CCaracteristicas::CarregarEdicao(CDaoDatabase* db)
{
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot, SqlEdicao().c_str());
        BYTE b = 0;
        short s = 0;
        float f = 0;
        rs.GetFieldShort("circuito_sequencial_pai", m_nCircuitoSequencialPai);
        rs.GetFieldString("circuito_codigo", m_strCircuitoCodigo);
        rs.GetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
        rs.GetFieldByte("sistema_codigo", m_nSistemaCodigo);
        rs.GetFieldByte("cabo_codigo", m_nCaboCodigo);
        rs.GetFieldByte("temperatura_ambiente", b);
        m_nTemperaturaInicial = b;
        rs.GetFieldBool("circuito_dispensar_contato_indireto", m_bDispensarContatoIndireto);
        rs.GetFieldBool("circuito_dispensar_sobrecarga", m_bDispensarSobrecarga);
        m_bDispensarContatoIndireto = m_bDispensarContatoIndireto ? TRUE : FALSE;
        m_bDispensarSobrecarga = m_bDispensarSobrecarga ? TRUE : FALSE;
        UpdateData(FALSE);
        rs.GetFieldFloat("circuito_corrente_cc_presumida", f);
        m_correnteCurto.SetValue(f);
        rs.GetFieldFloat("circuito_comprimento", f);
        m_comprimento.SetValue(f);
        rs.GetFieldShort("circuito_tensao_fase_fase", s);
        m_tensaoFaseFase.SetValue(s);
        rs.GetFieldFloat("circuito_tensao_fase_neutro", f);
        m_tensaoFaseNeutro.SetValue(f);
        rs.GetFieldFloat("circuito_secao_minima", f);
        m_secaoMinima.SetValue(f);
        rs.GetFieldFloat("resistividade_termica_valor", m_fResistividadeInicial);
        rs.GetFieldFloat("circuito_secao_condutor_imposta", m_fSecaoImpostaInicial);
        rs.GetFieldShort("circuito_numero_de_condutores", s);
        m_numeroCondutores.SetValue(s);
        rs.GetFieldFloat("circuito_fator_demanda", f);
        m_fatorDemanda.SetValue(f);
        rs.GetFieldByte("circuito_conteudo_harmonica", b);
        m_harmonicas.SetValue(b);
        rs.GetFieldFloat("circuito_fator_agrupamento_imposto", f);
        m_fatorAgrupamento.SetValue(f);
        rs.GetFieldFloat("circuito_queda_tensao_regime", f);
        m_quedaRegime.SetValue(f);
        rs.GetFieldFloat("circuito_queda_tensao_partida", f);
        m_quedaPartida.SetValue(f);
        long filhos = 0;
        rs.GetFieldLong("total_filhos", filhos);
        m_bTemFilhos = filhos > 0;
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
    Mostrar(IDC_CONTEM_MOTOR, false);
    Mostrar(IDC_CONTEM_CARGA, false);
}

void CCaracteristicas::PreencherManeiras()
{
    try {
        CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot, "SELECT * FROM maneira_instalar");
        m_maneiraInstalar.ResetContent();
        PreencherPorCodigo(m_maneiraInstalar, rs, "maneira_instalar_descricao", "maneira_instalar_codigo");
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
    SelecionarPorCodigo(m_maneiraInstalar, m_nManeiraInstalarCodigo, false);
}

void CCaracteristicas::PreencherSecaoMinimaAjuda()
{
    try {
        CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot, "SELECT secao_minima_titulo FROM secao_minima");
        m_secaoMinimaAjuda.ResetContent();
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string titulo;
            rs.GetFieldString("secao_minima_titulo", titulo);
            m_secaoMinimaAjuda.AddString(titulo);
        }
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
    m_secaoMinimaAjuda.SetCurSel(0);
}

void CCaracteristicas::PreencherResistividades()
{
    try {
        CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                               "SELECT resistividade_termica_valor FROM resistividade_termica");
        m_resistividade.ResetContent();
        for (; !rs.IsEOF(); rs.MoveNext()) {
            float valor = 0;
            rs.GetFieldFloat("resistividade_termica_valor", valor);
            m_resistividade.AddString(FormatC("%3.1f", static_cast<double>(valor)));
        }
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnInitDialog", e);
    }
    m_resistividade.SetCurSel(
        m_resistividade.FindStringExact(-1, FormatC("%3.1f", static_cast<double>(m_fResistividadeInicial))));
}

// --- the cascade: method, system, cable -------------------------------------------------------------------

void CCaracteristicas::OnSetfocusSistema()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    BYTE sistemaPai = 0;
    if (m_nCircuitoSequencialPai > 0) {
        try {
            CDaoRecordsetManual rs(Projeto(), dbOpenSnapshot,
                                   FormatC("SELECT sistema_codigo FROM circuito WHERE circuito_sequencial=%i",
                                           static_cast<int>(m_nCircuitoSequencialPai))
                                       .c_str());
            rs.GetFieldByte("sistema_codigo", sistemaPai);
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnSetfocusSistema(1)", e);
        }
    }
    try {
        const std::string sql =
            m_nCircuitoSequencialPai > 0
                ? FormatC("SELECT sistema_codigo,sistema_descricao FROM sistema WHERE sistema_codigo IN (SELECT "
                          "sistema_codigo FROM maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=%i) "
                          "AND sistema_codigo IN (SELECT sistema_codigo_compativel FROM sistema_compativel WHERE "
                          "sistema_codigo=%i)",
                          static_cast<int>(m_nManeiraInstalarCodigo), static_cast<int>(sistemaPai))
                : FormatC("SELECT sistema_codigo,sistema_descricao FROM sistema WHERE sistema_codigo IN (SELECT "
                          "sistema_codigo FROM maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=%i)",
                          static_cast<int>(m_nManeiraInstalarCodigo));
        CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot, sql.c_str());
        m_sistema.ResetContent();
        PreencherPorCodigo(m_sistema, rs, "sistema_descricao", "sistema_codigo");
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnSetfocusSistema(2)", e);
    }
    SelecionarPorCodigo(m_sistema, m_nSistemaCodigo, false);
    UpdateData(FALSE);
}

void CCaracteristicas::OnSetfocusCabo()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    try {
        CDaoRecordsetManual rs(
            Catalogo(), dbOpenSnapshot,
            FormatC("SELECT cabo_codigo, cabo_descricao FROM CABO WHERE cabo_codigo IN (SELECT cabo_codigo FROM "
                    "maneira_instalar_x_sistema_x_cabo WHERE maneira_instalar_codigo=%i AND sistema_codigo=%i) order "
                    "by ordem, cabo_codigo",
                    static_cast<int>(m_nManeiraInstalarCodigo), static_cast<int>(m_nSistemaCodigo))
                .c_str());
        m_cabo.ResetContent();
        PreencherPorCodigo(m_cabo, rs, "cabo_descricao", "cabo_codigo");
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnSetfocusCabo", e);
    }
    SelecionarPorCodigo(m_cabo, m_nCaboCodigo, false);
    UpdateData(FALSE);
}

void CCaracteristicas::OnKillfocusManeiraInstalar()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    const int sel = m_maneiraInstalar.GetCurSel();
    if (sel == CB_ERR) {
        m_nManeiraInstalarCodigo = 0;
        m_nTipoCorrecaoTemperatura = 0;
    } else {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   "SELECT maneira_instalar_codigo,tipo_correcao_temperatura_codigo FROM "
                                   "maneira_instalar WHERE maneira_instalar_descricao=?",
                                   {m_maneiraInstalar.GetLBText(sel)});
            rs.GetFieldByte("maneira_instalar_codigo", m_nManeiraInstalarCodigo);
            rs.GetFieldByte("tipo_correcao_temperatura_codigo", m_nTipoCorrecaoTemperatura);
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusManeiraInstalar(1)", e);
        }
    }
    if (m_nManeiraInstalarCodigo != 0 && m_nSistemaCodigo != 0) {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   FormatC("SELECT maneira_instalar_codigo FROM maneira_instalar_x_sistema_x_cabo "
                                           "WHERE maneira_instalar_codigo=%i AND sistema_codigo=%i",
                                           static_cast<int>(m_nManeiraInstalarCodigo),
                                           static_cast<int>(m_nSistemaCodigo))
                                       .c_str());
            if (rs.IsEOF()) {
                m_nSistemaCodigo = 0;
                m_sistema.ResetContent();
            }
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusManeiraInstalar(2)", e);
        }
    }
    MostrarResistividade();
    UpdateData(FALSE);
    OnKillfocusSistema();
}

void CCaracteristicas::MostrarResistividade()
{
    const bool solo = m_nTipoCorrecaoTemperatura == 2;
    Mostrar(IDC_LABEL_RESISTIVIDADE, solo);
    Mostrar(IDC_RESISTIVIDADE, solo);
    Mostrar(IDC_UNIDADE_RESISTIVIDADE, solo);
}

void CCaracteristicas::OnKillfocusSistema()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    const int sel = m_sistema.GetCurSel();
    if (sel == CB_ERR) {
        m_nSistemaCodigo = 0;
    } else {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot, "SELECT * FROM sistema WHERE sistema_descricao=?",
                                   {m_sistema.GetLBText(sel)});
            BYTE tipo = 0;
            rs.GetFieldByte("sistema_codigo", m_nSistemaCodigo);
            rs.GetFieldByte("sistema_tipo_codigo", tipo);
            rs.GetFieldBool("sistema_tensao_fase_neutro", m_bTensaoFaseNeutro);
            rs.GetFieldBool("sistema_tensao_fase_fase", m_bTensaoFaseFase);
            rs.GetFieldBool("sistema_neutro_tabelado", m_bNeutroTabelado);
            m_bTensaoFaseNeutro = m_bTensaoFaseNeutro ? TRUE : FALSE;
            m_bTensaoFaseFase = m_bTensaoFaseFase ? TRUE : FALSE;
            m_bNeutroTabelado = m_bNeutroTabelado ? TRUE : FALSE;
            if (m_bInclusao) {
                // Direct current has no motors. A hidden box the user cannot clear must not stay ticked.
                Mostrar(IDC_CONTEM_MOTOR, tipo != 2);
                if (tipo == 2)
                    m_bMotor = FALSE;
            }
            for (int id : {IDC_LABEL_POSSUI_HARMONICOS, IDC_POSSUI_HARMONICOS, IDC_LABEL_HARMONICAS, IDC_HARMONICAS,
                           IDC_UNIDADE_HARMONICAS})
                Mostrar(id, m_bNeutroTabelado);
            const bool livre = m_nCircuitoSequencialPai == 0 && !m_bTemFilhos;
            for (int id : {IDC_LABEL_TENSAO_FASE_FASE, IDC_TENSAO_FASE_FASE, IDC_UNIDADE_TENSAO_FASE_FASE})
                Mostrar(id, m_bTensaoFaseFase);
            m_tensaoFaseFase.EnableWindow(m_bTensaoFaseFase && livre);
            for (int id : {IDC_LABEL_TENSAO_FASE_NEUTRO, IDC_TENSAO_FASE_NEUTRO, IDC_UNIDADE_TENSAO_FASE_NEUTRO})
                Mostrar(id, m_bTensaoFaseNeutro);
            m_tensaoFaseNeutro.EnableWindow(m_bTensaoFaseNeutro && livre);
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusSistema(1)", e);
        }
    }
    if (m_nSistemaCodigo != 0 && m_nCaboCodigo != 0) {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   FormatC("SELECT maneira_instalar_codigo FROM maneira_instalar_x_sistema_x_cabo "
                                           "WHERE maneira_instalar_codigo=%i AND sistema_codigo=%i AND cabo_codigo=%i",
                                           static_cast<int>(m_nManeiraInstalarCodigo),
                                           static_cast<int>(m_nSistemaCodigo), static_cast<int>(m_nCaboCodigo))
                                       .c_str());
            if (rs.IsEOF()) {
                m_nCaboCodigo = 0;
                m_cabo.ResetContent();
            }
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnKillfocusSistema(2)", e);
        }
    }
    UpdateData(FALSE);
    OnKillfocusCabo();
}

void CCaracteristicas::OnKillfocusCabo()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    const int sel = m_cabo.GetCurSel();
    if (sel == CB_ERR) {
        Validar();
        return;
    }
    try {
        float secaoMaxima = 0;
        {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   "SELECT cabo_codigo, secao_nominal FROM cabo WHERE cabo_descricao=?",
                                   {m_cabo.GetLBText(sel)});
            rs.GetFieldByte("cabo_codigo", m_nCaboCodigo);
            rs.GetFieldFloat("secao_nominal", secaoMaxima);
        }

        const int temperaturaSel = m_temperatura.GetCurSel();
        const long temperatura =
            temperaturaSel == CB_ERR ? 0 : zel::ui::ParseLongC(m_temperatura.GetLBText(temperaturaSel));
        {
            CDaoRecordsetManual rs(
                Catalogo(), dbOpenSnapshot,
                FormatC("SELECT c.* FROM maneira_instalar a,cabo b,fator_correcao_temperatura c WHERE "
                        "a.tipo_correcao_temperatura_codigo=c.tipo_correcao_temperatura_codigo and "
                        "b.tipo_isolacao_codigo=c.tipo_isolacao_codigo and a.maneira_instalar_codigo=%i AND "
                        "b.cabo_codigo=%i",
                        static_cast<int>(m_nManeiraInstalarCodigo), static_cast<int>(m_nCaboCodigo))
                    .c_str());
            m_temperatura.ResetContent();
            PreencherTemperaturas(m_temperatura, rs);
            int linha = m_temperatura.FindStringExact(-1, FormatC("%li", temperatura));
            if (linha == CB_ERR)
                linha = m_temperatura.FindStringExact(-1, "30");
            m_temperatura.SetCurSel(linha);
        }

        const int secaoSel = m_secaoImposta.GetCurSel();
        const double secaoAtual =
            secaoSel == CB_ERR ? 0.0 : zel::ui::ParseDoubleC(m_secaoImposta.GetLBText(secaoSel));
        {
            // The lower bound with two decimals: a minimum of 0.75 mm² must offer 0.75 mm².
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   FormatC("SELECT secao_nominal FROM secao WHERE secao_nominal>=%7.2f AND "
                                           "secao_nominal<=%7.1f ORDER BY secao_nominal",
                                           static_cast<double>(m_secaoMinima.GetValue()),
                                           static_cast<double>(secaoMaxima))
                                       .c_str());
            m_secaoImposta.ResetContent();
            m_secaoImposta.AddString(kAutom);
            int linha = 0;
            for (; !rs.IsEOF(); rs.MoveNext()) {
                float secao = 0;
                rs.GetFieldFloat("secao_nominal", secao);
                const int i = m_secaoImposta.AddString(SecaoTexto(secao));
                if (secaoAtual > 0 && std::fabs(static_cast<double>(secao) - secaoAtual) < 1e-3)
                    linha = i;
            }
            m_secaoImposta.SetCurSel(linha);
        }
    } catch (CDaoException& e) {
        Relatar("CCaracteristicas::OnKillfocusCabo(1)", e);
    }
    UpdateData(FALSE);
    Validar();
}

void CCaracteristicas::OnSelchangeManeiraInstalar()
{
    if (m_maneiraInstalar.GetCurSel() != CB_ERR)
        m_sistema.EnableWindow(TRUE);
    Validar();
}

void CCaracteristicas::OnSelchangeSistema()
{
    if (m_sistema.GetCurSel() != CB_ERR)
        m_cabo.EnableWindow(TRUE);
    Validar();
}

void CCaracteristicas::OnSelchangeCabo()
{
    if (m_cabo.GetCurSel() != CB_ERR) {
        m_temperatura.EnableWindow(TRUE);
        m_secaoImposta.EnableWindow(TRUE);
    }
    Validar();
}

void CCaracteristicas::OnSelchangeSecaoMinimaAjuda()
{
    RelatarPendentes();
    UpdateData(TRUE);
    const int sel = m_secaoMinimaAjuda.GetCurSel();
    if (sel != CB_ERR) {
        try {
            CDaoRecordsetManual rs(Catalogo(), dbOpenSnapshot,
                                   "SELECT secao_minima_valor FROM secao_minima WHERE secao_minima_titulo=?",
                                   {m_secaoMinimaAjuda.GetLBText(sel)});
            float valor = 0;
            rs.GetFieldFloat("secao_minima_valor", valor);
            m_secaoMinima.SetValue(valor);
        } catch (CDaoException& e) {
            Relatar("CCaracteristicas::OnSelchangeSecaoMinimaAjuda", e);
        }
    }
    UpdateData(FALSE);
}

// --- fields that exclude or lock each other ---------------------------------------------------------------

void CCaracteristicas::OnSelchangePossuiHarmonicos()
{
    UpdateData(TRUE);
    const int sel = m_possuiHarmonicos.GetCurSel();
    m_possuiHarmonicos.EnableWindow(sel != CB_ERR);
    const std::string escolha = sel == CB_ERR ? "" : m_possuiHarmonicos.GetLBText(sel);
    if (escolha == "Não sei") {
        m_harmonicas.SetValue(66);
        m_harmonicas.EnableWindow(FALSE);
    } else if (escolha == "Não") {
        m_harmonicas.SetValue(0);
        m_harmonicas.EnableWindow(FALSE);
    } else if (escolha == "Sim") {
        m_harmonicas.SetValue(33);
        m_harmonicas.EnableWindow(TRUE);
    }
    UpdateData(FALSE);
}

void CCaracteristicas::OnKillfocusTensaoFaseFase()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    if (m_bTensaoFaseNeutro && m_tensaoFaseNeutro.GetValue() <= 0)
        m_tensaoFaseNeutro.SetValue(static_cast<float>(m_tensaoFaseFase.GetValue() / std::sqrt(3.0)));
    UpdateData(FALSE);
}

void CCaracteristicas::AplicarNumeroCondutores()
{
    if (static_cast<short>(m_numeroCondutores.GetValue()) == 0)
        m_numeroCondutores.SetWindowText(kAutom);
    else
        m_secaoImposta.SetCurSel(0);
}

void CCaracteristicas::OnKillfocusNumeroCondutores()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    AplicarNumeroCondutores();
    UpdateData(FALSE);
}

void CCaracteristicas::OnKillfocusSecaoImposta()
{
    FocoEmCurso adiar(*this);
    UpdateData(TRUE);
    if (m_secaoImposta.GetCurSel() > 0) {
        m_numeroCondutores.SetValue(0);
        m_numeroCondutores.SetWindowText(kAutom);
    }
    UpdateData(FALSE);
}

void CCaracteristicas::OnDispensarContatoIndireto()
{
    // Overload can be waived only together with indirect contact.
    UpdateData(TRUE);
    if (!m_bDispensarContatoIndireto)
        m_bDispensarSobrecarga = FALSE;
    UpdateData(FALSE);
}

void CCaracteristicas::OnDispensarSobrecarga()
{
    UpdateData(TRUE);
    if (m_bDispensarSobrecarga)
        m_bDispensarContatoIndireto = TRUE;
    UpdateData(FALSE);
}

// --- voltage drop from the origin -------------------------------------------------------------------------

float CCaracteristicas::GetQuedaTensao(const char* coluna, short chave)
{
    float soma = 0;
    std::set<short> passados;
    while (chave > 0 && passados.insert(chave).second) {
        try {
            CDaoRecordsetManual rs(
                Projeto(), dbOpenSnapshot,
                FormatC("SELECT circuito_sequencial_pai,%s FROM circuito WHERE circuito_sequencial=%i", coluna,
                        static_cast<int>(chave))
                    .c_str());
            float queda = 0;
            short pai = 0;
            rs.GetFieldFloat(coluna, queda);
            rs.GetFieldShort("circuito_sequencial_pai", pai);
            soma += queda;
            chave = pai;
        } catch (CDaoException& e) {
            // Recomputed at every keystroke: one report per dialog is enough.
            if (!m_bQuedaRelatada)
                Relatar("CCaracteristicas::GetQuedaTensao", e);
            m_bQuedaRelatada = true;
            break;
        }
    }
    return soma;
}

void CCaracteristicas::RecalcularQuedaOrigem()
{
    m_quedaRegimeOrigem.SetValue(m_quedaRegime.GetValue() +
                                 GetQuedaTensao("circuito_queda_tensao_regime", m_nCircuitoSequencialPai));
    m_quedaPartidaOrigem.SetValue(m_quedaPartida.GetValue() +
                                  GetQuedaTensao("circuito_queda_tensao_partida", m_nCircuitoSequencialPai));
}

void CCaracteristicas::OnChangeQuedaTensao()
{
    if (m_bIniciando)
        return;
    RecalcularQuedaOrigem();
    Validar();
}

// --- validation -------------------------------------------------------------------------------------------

namespace {

struct Validade {
    bool codigo, comprimento, faseFase, faseNeutro, secaoMinima, demanda, agrupamento, curto, harmonicas, regime,
        partida;
};

}  // namespace

static Validade Avaliar(const CCaracteristicas& d)
{
    Validade v{};
    v.codigo = !d.m_circuito.GetWindowText().empty();
    v.comprimento = d.m_comprimento.GetValue() > 0;
    const float ff = d.m_tensaoFaseFase.GetValue();
    const float fn = d.m_tensaoFaseNeutro.GetValue();
    v.faseFase = !d.m_bTensaoFaseFase || ff > 0;
    // A used phase-neutral voltage must be above 0 (the currents divide by it), also below phase-phase.
    if (d.m_bTensaoFaseFase && d.m_bTensaoFaseNeutro)
        v.faseNeutro = fn > 0 && ff > fn;
    else
        v.faseNeutro = !d.m_bTensaoFaseNeutro || fn > 0;
    v.secaoMinima = d.m_secaoMinima.GetValue() > 0;
    const float demanda = d.m_fatorDemanda.GetValue();
    v.demanda = demanda > 0 && demanda <= 1;
    const float agrupamento = d.m_fatorAgrupamento.GetValue();
    v.agrupamento = agrupamento >= 0 && agrupamento <= 1;
    v.curto = d.m_correnteCurto.GetValue() > 0;
    const float harmonicas = d.m_harmonicas.GetValue();
    v.harmonicas = !d.m_bNeutroTabelado || (harmonicas >= 0 && harmonicas <= 100);
    v.regime = d.m_quedaRegime.GetValue() > 0;
    const CWnd* motor = d.GetDlgItem(IDC_CONTEM_MOTOR);
    const bool comMotor = motor && dynamic_cast<const CButton*>(motor)->GetCheck();
    v.partida = !comMotor || d.m_quedaPartida.GetValue() > 0;
    return v;
}

bool CCaracteristicas::FormularioValido() const
{
    const Validade v = Avaliar(*this);
    if (!v.codigo || m_nManeiraInstalarCodigo == 0 || m_nSistemaCodigo == 0 || m_nCaboCodigo == 0)
        return false;
    bool tensoes;
    if (m_bTensaoFaseFase && m_bTensaoFaseNeutro)
        tensoes = v.faseNeutro && v.faseFase;
    else if (m_bTensaoFaseNeutro)
        tensoes = v.faseNeutro;
    else
        tensoes = m_tensaoFaseFase.GetValue() > 0;
    if (!tensoes)
        return false;
    if (!v.comprimento || m_temperatura.GetCurSel() == CB_ERR || !v.secaoMinima)
        return false;
    if (!v.demanda || !v.regime || !v.agrupamento || !v.curto)
        return false;
    if (!v.harmonicas)
        return false;
    if (m_nTipoCorrecaoTemperatura == 2 && m_resistividade.GetCurSel() == CB_ERR)
        return false;
    return v.partida;
}

void CCaracteristicas::Validar()
{
    if (m_bIniciando || !m_ok.IsCreated())
        return;
    RelatarPendentes();
    UpdateData(TRUE);
    const Validade v = Avaliar(*this);
    Pintar(m_circuito, v.codigo);
    Pintar(m_comprimento, v.comprimento);
    Pintar(m_tensaoFaseFase, v.faseFase);
    Pintar(m_tensaoFaseNeutro, v.faseNeutro);
    Pintar(m_secaoMinima, v.secaoMinima);
    Pintar(m_fatorDemanda, v.demanda);
    Pintar(m_fatorAgrupamento, v.agrupamento);
    Pintar(m_correnteCurto, v.curto);
    Pintar(m_harmonicas, v.harmonicas);
    Pintar(m_quedaRegime, v.regime);
    Pintar(m_quedaPartida, v.partida);
    m_ok.EnableWindow(FormularioValido());
    UpdateData(FALSE);
}
