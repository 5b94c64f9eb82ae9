// Design currents of a circuit and its subtree: steady (loads or typed current), motors running and
// starting, and the totals the protection criterion needs.

#include "Calculo.h"

#include "SqlValue.h"

#include <cmath>

void CCalculo::GetCorrenteRegime(short circuito, float& I, float& fp, float U, float fatorSistema)
{
    I = fp = 0;
    try {
        // The sums below are the engine's arithmetic on whatever the file holds: a text ("1,5") or a
        // fraction in a count would be taken as some number. Each value is read as its field first, so a
        // damaged one stops the calculation with the file and field named.
        {
            const std::string sqlCargas = FormatC(
                "SELECT carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_demanda,carga_fator_potencia "
                "FROM carga WHERE circuito_sequencial=%i",
                circuito);
            CDaoRecordsetManual cargas(&Projeto(), dbOpenSnapshot, sqlCargas.c_str());
            for (; !cargas.IsEOF(); cargas.MoveNext()) {
                short iguais = 0;
                float valor = 0;
                cargas.GetFieldShort("carga_numero_cargas_iguais", iguais);
                cargas.GetFieldFloat("carga_potencia_ativa", valor);
                cargas.GetFieldFloat("carga_fator_demanda", valor);
                cargas.GetFieldFloat("carga_fator_potencia", valor);
            }
        }
        const std::string sql = FormatC(
            "SELECT SUM(carga_numero_cargas_iguais * carga_potencia_ativa * carga_fator_demanda / carga_fator_potencia) "
            "AS demanda, SUM(carga_numero_cargas_iguais * carga_potencia_ativa * carga_fator_demanda) / "
            "SUM(carga_numero_cargas_iguais * carga_potencia_ativa * carga_fator_demanda / carga_fator_potencia) "
            "AS fator_potencia FROM carga WHERE circuito_sequencial=%i",
            circuito);
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot, sql.c_str());
        double fator_potencia = 0;
        double demanda = 0;
        rs.GetFieldDouble("fator_potencia", fator_potencia);
        rs.GetFieldDouble("demanda", demanda);
        fp = static_cast<float>(fator_potencia);
        if (demanda > 0) {
            I = static_cast<float>(demanda / (std::sqrt(fatorSistema) * U));
            if (circuito == m_nCircuito)
                m_bCorrenteCargas = TRUE;
        } else {
            if (circuito == m_nCircuito)
                m_bCorrenteCargas = FALSE;
            const std::string sqlCircuito = FormatC(
                "SELECT circuito_corrente_regime,circuito_fator_potencia_regime FROM circuito WHERE circuito_sequencial=%i",
                circuito);
            CDaoRecordsetManual rc(&Projeto(), dbOpenSnapshot, sqlCircuito.c_str());
            rc.GetFieldFloat("circuito_corrente_regime", I);
            rc.GetFieldFloat("circuito_fator_potencia_regime", fp);
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::GetCorrenteRegime", e);
    }
    if (I > 0) {
        m_bSemCorrenteCarga = FALSE;
        SomaFasorial(m_fICargasTotal, m_fFpCargasTotal, m_fICargasTotal, m_fFpCargasTotal, I, fp);
    }
}

void CCalculo::GetCorrentePartida(short circuito, float& Ir, float& fpr, float& Ip, float& fpp)
{
    Ir = fpr = Ip = fpp = 0;
    try {
        const std::string sql = FormatC("SELECT * FROM motor WHERE circuito_sequencial=%i", circuito);
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot, sql.c_str());
        while (!rs.IsEOF()) {
            short q = 0;
            float Imr = 0, pfr = 0, Imp = 0, pfp = 0;
            rs.GetFieldShort("motor_qtde_motores", q);
            rs.GetFieldFloat("motor_corrente_regime", Imr);
            rs.GetFieldFloat("motor_fator_potencia_regime", pfr);
            rs.GetFieldFloat("motor_corrente_partida", Imp);
            SomaFasorial(Ir, fpr, Ir, fpr, static_cast<float>(q) * Imr, pfr);
            if (Imp > 0) {
                rs.GetFieldFloat("motor_fator_potencia_partida", pfp);
                SomaFasorial(Ip, fpp, Ip, fpp, static_cast<float>(q) * Imp, pfp);
            } else {
                // A motor without a starting current starts at its running current.
                SomaFasorial(Ip, fpp, Ip, fpp, static_cast<float>(q) * Imr, pfr);
            }
            rs.MoveNext();
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::GetCorrentePartida", e);
    }
    if (circuito == m_nCircuito)
        m_bTemPartida = Ip > 0;
    SomaFasorial(m_fIMotoresTotal, m_fFpMotoresTotal, m_fIMotoresTotal, m_fFpMotoresTotal, Ir, fpr);
}

void CCalculo::GetCorrente(short circuito, float& I, float& fp, float& Ip, float& fpp, float U, float fatorSistema)
{
    I = fp = Ip = fpp = 0;
    try {
        const std::string sql = FormatC("SELECT circuito_sequencial FROM circuito WHERE circuito_sequencial_pai=%i", circuito);
        CDaoRecordsetManual rs(&Projeto(), dbOpenSnapshot, sql.c_str());
        // A failure below this level has been reported once; the rest of the subtree is not read.
        while (!rs.IsEOF() && m_strErro.empty()) {
            short filho = 0;
            rs.GetFieldShort("circuito_sequencial", filho);
            // Parent links that loop back (a damaged file) would recurse without end.
            if (!m_CircuitosVisitados.insert(filho).second)
                throw CDaoException::Layer(AFX_DAO_ERROR_ENGINE_INITIALIZATION,
                                           FormatC("circuitos em ciclo (circuito %i)", filho));
            float If = 0, fpf = 0, Ipf = 0, fppf = 0;
            GetCorrente(filho, If, fpf, Ipf, fppf, U, fatorSistema);
            if (If > 0)
                SomaFasorial(I, fp, I, fp, If, fpf);
            if (Ipf > 0)
                SomaFasorial(Ip, fpp, Ip, fpp, Ipf, fppf);
            rs.MoveNext();
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::GetCorrente", e);
    }
    m_fIFilhos = I;
    m_fFpFilhos = fp;
    m_fIpFilhos = Ip;
    m_fFppFilhos = fpp;

    float Mr = 0, fpMr = 0, Ms = 0, fpMs = 0;
    GetCorrentePartida(circuito, Mr, fpMr, Ms, fpMs);
    float Io = 0, fpo = 0;
    GetCorrenteRegime(circuito, Io, fpo, U, fatorSistema);

    SomaFasorial(Mr, fpMr, Mr, fpMr, Io, fpo);
    if (Mr == 0)
        Mr = Io;  // a typed current with power factor 0 still counts
    if (Ms > 0)
        SomaFasorial(Ms, fpMs, Ms, fpMs, Io, fpo);
    m_fIMotores = Mr;
    m_fFpMotores = fpMr;
    m_fIpMotores = Ms;
    m_fFppMotores = fpMs;

    float Itotal = 0, fpTotal = 0;
    SomaFasorial(Itotal, fpTotal, Mr, fpMr, m_fIFilhos, m_fFpFilhos);
    fp = fpTotal;
    I = Mr + m_fIFilhos;  // magnitudes added, as the standard's demand totals are
    m_fICircuitosProprios += Mr;
    if (fp == 0)
        fp = 1;
    SomaFasorial(Ip, fpp, Ms, fpMs, m_fIpFilhos, m_fFppFilhos);
}
