#pragma once
// The medium-voltage sizing engine (NBR 14039): one object sizes one circuit of the active project from
// the catalogue ZelMt01.zel and writes its result columns and report lines.
//
// Use: construct with the circuit's circuito_sequencial, call Calcular(), read m_strErro when it returns
// FALSE, delete. The project is read through the active document's working database, the catalogue
// through the application's reference database.

#include "DaoRecordsetManual.h"

#include <memory>
#include <set>
#include <string>

class CDaoDatabase;
class CDaoException;

namespace mvsize {
// Criterion codes: which check fixed the result last.
enum : BYTE { CRITERIO_CAPACIDADE = 1, CRITERIO_QUEDA = 2, CRITERIO_CURTO = 3 };
}

class CCalculo {
public:
    explicit CCalculo(short circuito_sequencial);
    CCalculo(const CCalculo&) = delete;
    CCalculo& operator=(const CCalculo&) = delete;

    // The virtual operations in the engine's slot order; the criteria call each other through them.
    virtual ~CCalculo();
    virtual void Serialize() {}
    virtual void SomaFasorial(float& I, float& fp, float I1, float fp1, float I2, float fp2);
    virtual void Corrente_projeto(short circuito, float& I, float& fp);
    virtual BOOL Calcular();
    virtual BOOL Capacidade_corrente();
    virtual void Fator_correcao_agrupamento(short n, short secao);
    virtual BOOL Queda_tensao();
    virtual int Secao_economica();
    virtual BOOL Proxima_secao();
    virtual BOOL Curto_circuito();
    virtual void GravarCalculo();
    virtual void Gravar_linha(BYTE tipo, const std::string& variavel, const std::string& valor);

    std::string m_strCodigo;  // circuito_codigo
    std::string m_strErro;    // empty while sound; the first message that stopped the calculation

    // The result found, for the test driver and diagnostics.
    short GetNumeroCondutores() const { return m_n; }
    short GetSecao() const { return m_S; }
    BYTE GetCriterio() const { return m_nCriterio; }
    float GetFatorAgrupamento() const { return m_kg; }
    float GetQuedaTensao() const { return m_fQueda; }
    float GetCorrente() const { return m_fI; }

private:
    void Erro(const std::string& texto);
    void ErroBanco(const char* local, const CDaoException& e);
    CDaoDatabase& Projeto();
    CDaoDatabase& Catalogo();
    bool MetodoEnterrado() const;
    // The circuits the grouping table is read for when this circuit runs n sets in parallel.
    short CircuitosNoGrupo(short n) const;
    // Resistance and reactance columns of the drop table for the circuit's layout; false when the layout
    // names no column pair.
    bool ColunasQueda(const char*& r, const char*& x) const;
    // The drop of the final (n, S), so the stored and reported values are those of the result.
    BOOL QuedaFinal();
    float KCurto() const;
    int K2Curto() const;

    CDaoDatabase* m_pProjeto = nullptr;
    BOOL m_bErroBancoRelatado = FALSE;

    // Circuit data, in the order it is read.
    short m_nCircuito = 0;
    BYTE m_nManeiraInstalar = 0;
    BYTE m_nClasseTensao = 0;
    float m_fU = 0;
    BYTE m_nCabo = 0;
    BYTE m_nTemperatura = 0;
    float m_fI = 0;
    float m_fQuedaMaxima = 0;
    float m_fFp = 0;
    float m_fL = 0;
    float m_fTempoCurto = 0;
    float m_fTempoCurtoBlindagem = 0;
    float m_fIcc = 0;
    short m_nCustoInstalacao = 0;
    short m_nHorasAno = 0;
    short m_nCondutoresImposto = 0;
    short m_nSecaoImposta = 0;
    BYTE m_nAnos = 0;
    float m_fTarifa = 0;
    float m_fFatorAgrupImposto = 0;
    BYTE m_nConexao = 0;
    BOOL m_bCalculado = FALSE;
    std::string m_strMaterial;
    short m_nTemperaturaCondutor = 0;
    float m_fResistividade = 0;
    float m_kr = 1;
    BYTE m_nDisposicao = 0;
    std::string m_strMetodo;
    short m_nFaixa = 1;
    BYTE m_nTipoCabo = 0;
    BYTE m_nEspacamento = 0;
    BYTE m_nBandejas = 0;
    BYTE m_nTernas = 0;
    BYTE m_nOrientacao = 0;

    std::unique_ptr<CDaoRecordsetManual> m_pCapacidade;
    std::unique_ptr<CDaoRecordsetManual> m_pQueda;
    short m_nmax = 1000;
    BYTE m_nLinha = 0;
    float m_fIFilhos = 0;
    float m_fFpFilhos = 0;
    float m_fIProprio = 0;
    float m_fFpProprio = 0;
    std::set<short> m_visitados;  // circuits already summed by Corrente_projeto

    // The result.
    BYTE m_nCriterio = mvsize::CRITERIO_CAPACIDADE;
    short m_n = 1;
    short m_S = 0;
    float m_fCapacidade = 0;
    float m_kg = 0;
    float m_kt = 0;
    float m_fR = 0;
    float m_fX = 0;
    float m_fXc = 0;
    float m_fQueda = 0;
};
