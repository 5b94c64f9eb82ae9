#pragma once
// The low-voltage sizing engine: one object sizes one circuit of the active project by NBR 5410's
// tables (the catalogue) and writes its result columns and report lines.
//
// Use: construct with the circuit's circuito_sequencial, call Calcular(), read m_strErro when it returns
// FALSE and m_bMostrarRelatorio when it returns TRUE, delete. The project is read through the active
// document's working database, the catalogue through the application's reference database.

#include "ConsultasCatalogo.h"
#include "DaoRecordsetManual.h"
#include "SomaFasorial.h"
#include "TabelaSelecao.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

class CDaoDatabase;
class CDaoException;

// Criterion codes: which check fixed the result last.
enum : BYTE {
    CRITERIO_CAPACIDADE = 1,
    CRITERIO_QUEDA = 2,
    CRITERIO_QUEDA_PARTIDA = 3,
    CRITERIO_SOBRECARGA = 4,
    CRITERIO_CURTO = 5,
    CRITERIO_SECAO_MINIMA = 6,
    CRITERIO_CONTATOS = 7,
    CRITERIO_HARMONICAS = 8,
};

// The cable's I2t where it sets no limit, and the breaker's where the current lies off its curve.
inline constexpr double I2T_SEM_LIMITE = 9999999998.0;
inline constexpr double I2T_FORA_CURVA = 9999999999.0;

class CCalculo {
public:
    explicit CCalculo(short circuito_sequencial);
    CCalculo(const CCalculo&) = delete;
    CCalculo& operator=(const CCalculo&) = delete;

    // The virtual operations, in the engine's slot order; every criterion calls the others through them.
    virtual ~CCalculo();
    virtual void Serialize() {}
    virtual BOOL Calcular();
    virtual void Mostrar();
    virtual void GetCorrente(short circuito, float& I, float& fp, float& Ip, float& fpp, float U, float fatorSistema);
    virtual void GetCorrenteRegime(short circuito, float& I, float& fp, float U, float fatorSistema);
    virtual void GetCorrentePartida(short circuito, float& Ir, float& fpr, float& Ip, float& fpp);
    virtual void SomaFasorial(float& I, float& fp, float I1, float fp1, float I2, float fp2);
    virtual void Fator_correcao_agrupamento(short n);
    virtual BOOL Capacidade_corrente();
    virtual BOOL Queda_tensao();
    virtual BOOL Queda_tensao_partida();
    virtual BOOL Sobrecarga();
    virtual BOOL Condutor_Neutro();
    virtual void Secao_economica();
    virtual float Proxima_secao(float x);
    virtual BOOL Secao_minima();
    virtual BOOL Contatos_indiretos();
    virtual void Icc_minima();
    virtual double I2t_cabo(double I);
    virtual double i2td(double I);
    virtual void Gravar_linha_impressao(BYTE tipo, const std::string& variavel, const std::string& valor,
                                        int motor, int carga, int corrente_continua);

    // Read by the callers.
    std::string m_strCodigo;           // circuito_codigo
    std::string m_strErro;             // empty while sound; the first message that stopped the calculation
    BOOL m_bMostrarRelatorio = TRUE;   // cleared only when the device library lacks the chosen rating

    // The result found, for the test driver and diagnostics.
    short GetNumeroCondutores() const { return m_n; }
    float GetSecao() const { return m_fS; }
    BYTE GetCriterio() const { return m_nCriterio; }

private:
    // Failure helpers: the first message stays; a database failure is reported once per calculation.
    void Erro(const std::string& texto);
    void ErroBanco(const char* local, const CDaoException& e);
    CDaoDatabase& Projeto();
    CDaoDatabase& Catalogo();

    // Calcular's steps.
    void LerTabelasCatalogo();
    BYTE PercorrerArvore(BOOL capacidade, short referencia, BYTE tabela);
    const CTabela_selecao* Resposta(BYTE questao) const;
    void Cadeia_criterios();
    BOOL Agrupamento(short n);
    float Secao_neutro_tabelada(float secao);
    float Secao_protecao_paralelo(float secao, short n);
    // The smallest nominal section at or above secao; secao itself above the largest.
    float Secao_nominal_desde(float secao);
    float Neutro_minimo(float secaoHarmonica, BYTE veias);
    float Tensao_falta() const;
    float Corrente_cc_presumida() const { return m_fIkmax * 1000.0f; }  // A, in single as typed
    BOOL Curva_disjuntor_valida() const;
    BOOL Fora_da_curva(double I) const;
    BOOL Verificar_curto_circuito();
    double Cruzamento_curvas();

    // Report-line helpers.
    void Linhas_correntes();
    void Linhas_protecao(std::string& textoDispositivo);
    std::string Descricao(const char* sql, const char* coluna);
    void Gravar_linhas_pendentes();
    struct LinhaPendente {
        int numero;
        BYTE tipo;
        std::string variavel, valor;
        int motor, carga, corrente_continua;
    };
    std::vector<LinhaPendente> m_LinhasPendentes;

    CDaoDatabase* m_pProjeto = nullptr;

    short m_nCircuito = 0;
    BYTE m_nManeiraInstalar = 0;
    BYTE m_nSistema = 0;
    BYTE m_nCabo = 0;
    BYTE m_nTemperatura = 0;
    float m_fSecaoMinima = 0;
    short m_nCondutoresImposto = 0;
    float m_fSecaoImposta = 0;
    float m_fIkmax = 0;  // kA
    short m_nCustoInstalacao = 0;
    short m_nHorasAno = 0;
    BYTE m_nAnos = 0;
    float m_fTarifa = 0;
    BYTE m_nDispositivo = 0;
    float m_fFatorDisjuntor = 0;  // 0: the device is a fuse
    BOOL m_bCalculado = FALSE;
    float m_fL = 0;
    float m_fIb = 0;
    float m_fFp = 0;
    float m_fIp = 0;
    float m_fFpp = 0;
    float m_fIFilhos = 0;
    float m_fFpFilhos = 0;
    float m_fIpFilhos = 0;
    float m_fFppFilhos = 0;
    float m_fIMotores = 0;  // this circuit's motors running, plus its own loads
    float m_fFpMotores = 0;
    float m_fIpMotores = 0;  // this circuit's motors starting, plus its own loads
    float m_fFppMotores = 0;
    BOOL m_bDispensarContato = FALSE;
    BOOL m_bDispensarSobrecarga = FALSE;
    float m_fQuedaMaxRegime = 0;
    float m_fQuedaMaxPartida = 0;
    short m_nTensaoFF = 0;
    float m_fTensaoFN = 0;
    float m_fFd = 0;
    float m_fResistividade = 0;
    float m_fFatorAgrupImposto = 0;
    BYTE m_nHarmonica = 0;
    float m_fHarmonica = 0;
    std::vector<std::unique_ptr<CTabela_selecao>> m_Respostas;
    BOOL m_bCorrenteCargas = FALSE;
    BOOL m_bTemPartida = FALSE;
    BOOL m_bSemCorrenteCarga = TRUE;
    float m_fICircuitosProprios = 0;
    float m_fIMotoresTotal = 0;
    float m_fFpMotoresTotal = 0;
    float m_fICargasTotal = 0;
    float m_fFpCargasTotal = 0;
    std::set<short> m_CircuitosVisitados;  // the subtree walk meets each circuit once, even in a damaged file

    // Kept open for the calculation; the curve points come from the catalogue reads below.
    std::shared_ptr<CDaoRecordsetManual> m_pCapacidade;
    std::shared_ptr<CDaoRecordsetManual> m_pQueda;
    std::shared_ptr<CDaoRecordsetManual> m_pPontosCurva;
    CConsultasCatalogo m_Consultas;

    short m_nMax = 0;
    short m_nRefAgrupamento = 0;
    BOOL m_bAlemTabela = FALSE;
    float m_fT = 0;
    short m_nU = 0;
    short m_nK = 0;
    float m_fX = 0;
    float m_fY = 0;
    float m_fSmax = 0;
    BYTE m_nTipoSistema = 0;
    BOOL m_bNeutroTabelado = FALSE;
    BOOL m_bSistemaFN = FALSE;
    BOOL m_bTerra = FALSE;
    BOOL m_bEsquemaTN = TRUE;         // sistema_esquema_aterramento 'TN'
    float m_fFatorResistividade = 1;  // the fault loop's resistivity over copper's, by cabo_material
    double m_dKh = 1.0;
    BYTE m_nLinha = 0;
    BYTE m_nCriterio = 0;
    short m_n = 0;
    float m_fS = 0;
    float m_fIz = 0;
    float m_fKagr = 0;
    float m_fKtemp = 0;
    float m_fRca = 0;
    float m_fXl = 0;
    float m_fQueda = 0;
    float m_fQuedaPartida = 0;
    float m_fTermoQueda = 0;
    float m_fTermoQuedaPartida = 0;

    short m_nIn = 0;
    short m_nDispositivosParalelo = 0;
    float m_fIt5s = 0;
    float m_fRuptura = 0;
    float m_fAlfa = 0;
    float m_fIa = 0;
    float m_fI2tIa = 0;
    float m_fIm = 0;
    float m_fI2tTermicoIm = 0;
    float m_fI2tMagneticoIm = 0;
    float m_fIcap = 0;
    float m_fI2tIcap = 0;

    double m_dIkmin = 0;
    double m_dI2tIkmax = 0;
    double m_dI2tIkmin = 0;
    double m_dTempoIkmax = 0;

    float m_fSecaoNeutro = 0;
    float m_fSecaoProtecao = 0;
    float m_fSecaoEconomica = 0;

    BOOL m_bErroBancoRelatado = FALSE;
    BOOL m_bAvisoDispositivoMostrado = FALSE;
    BOOL m_bContatosVerificados = FALSE;  // the indirect-contact check ran with a device current and held
};
