// Voltage drop in service and at motor start, from the resistance and reactance per kilometre of the
// circuit's drop table.

#include "Calculo.h"

#include <cmath>

namespace {

struct Queda {
    float rca = 0;
    float xl = 0;
    float queda = 0;
    float termo = 0;
};

}  // namespace

// Walks the drop rows for n = m_n .. nmax and returns the smallest section that keeps the drop of the
// current I at power factor fp within the limit (drop 0 when none does), with its row values.
// In service the current is Ib with the demand factor fd; at start it is Ip alone (fd < 0 marks it).
static BOOL PercorrerQueda(CDaoRecordsetManual& rs, short n, short nmax, float S, float I, float fd, float fp, float t,
                           float L, short U, float limite, Queda& achada, short& nAchado, float& secAchada)
{
    const float senfi = static_cast<float>(std::sqrt(1.0 - static_cast<double>(fp) * fp));
    short i = n;
    float sec = 0;
    achada = Queda{};
    while (i <= nmax) {
        rs.MoveLast();
        while (!rs.IsBOF()) {
            float rca = 0, xl = 0;
            rs.GetFieldFloat("queda_tensao_rca", rca);
            rs.GetFieldFloat("queda_tensao_xl", xl);
            const float fi = static_cast<float>(i);
            const float corrente = fd >= 0 ? t * L * I * fd / fi : (I / fi) * (t * L);
            float d = static_cast<float>((senfi * xl + rca * fp) * corrente / 1000.0);
            d = static_cast<float>(d / static_cast<float>(U) * 100.0);
            if (d > limite)
                break;
            rs.GetFieldFloat("secao_nominal", sec);
            if (S > sec && i == n)
                break;
            achada.rca = rca;
            achada.xl = xl;
            achada.queda = d;
            achada.termo = (senfi * xl + rca * fp) * t;
            rs.MovePrev();
        }
        if (achada.queda > 0)
            break;
        ++i;
    }
    nAchado = i;
    secAchada = sec;
    return achada.queda > 0;
}

BOOL CCalculo::Queda_tensao()
{
    Queda q;
    short i = 0;
    float sec = 0;
    m_fQueda = 0;
    if (!PercorrerQueda(*m_pQueda, m_n, m_nMax, m_fS, m_fIb, m_fFd, m_fFp, m_fT, m_fL, m_nU, m_fQuedaMaxRegime, q, i,
                        sec)) {
        Erro("Queda de tensão supera os valores tabelados.\nAumentar no. condutores.");
        return m_strErro.empty();
    }
    m_fRca = q.rca;
    m_fXl = q.xl;
    m_fQueda = q.queda;
    m_fTermoQueda = q.termo;
    if (m_fS < sec || i != m_n) {
        m_fS = sec;
        m_n = i;
        m_nCriterio = CRITERIO_QUEDA;
        Capacidade_corrente();
    }
    return m_strErro.empty();
}

BOOL CCalculo::Queda_tensao_partida()
{
    if (m_fIp <= 0)
        return TRUE;
    Queda q;
    short i = 0;
    float sec = 0;
    m_fQuedaPartida = 0;
    if (!PercorrerQueda(*m_pQueda, m_n, m_nMax, m_fS, m_fIp, -1.0f, m_fFpp, m_fT, m_fL, m_nU, m_fQuedaMaxPartida, q, i, sec)) {
        Erro("Queda de tensão na partida supera os valores tabelados.\nAumentar no. condutores.");
        return m_strErro.empty();
    }
    m_fRca = q.rca;
    m_fXl = q.xl;
    m_fQuedaPartida = q.queda;
    m_fTermoQuedaPartida = q.termo;
    if (m_fS < sec || i != m_n) {
        m_fS = sec;
        m_n = i;
        m_nCriterio = CRITERIO_QUEDA_PARTIDA;
        if (Capacidade_corrente())
            Queda_tensao();
    }
    return m_strErro.empty();
}
