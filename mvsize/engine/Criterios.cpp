// The sizing criteria: current-carrying capacity, grouping, voltage drop, short circuit, next section and
// the economic section.

#include "Calculo.h"

#include "SomaFasorial.h"
#include "SqlValue.h"

#include <algorithm>
#include <cmath>

namespace {
const char* const kMsgAgrupamento =
    "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito.";
const char* const kMsgQueda = "Queda de tensão supera os valores tabelados.\nAumentar no. condutores por fase.";
const char* const kMsgCurto = "Impossível calcular devido ao curto circuito.\nAumentar no. condutores por fase.";
// Single-core cables spaced at an unstated distance: no reactance can be tabled and more conductors would
// not help, so the message points to the spacing.
const char* const kMsgSemReatancia =
    "Não há reatância tabelada para cabos unipolares espaçados \"Maior que 2 D\".\nEditar o circuito e escolher "
    "a distância 2d ou 20 cm entre eixos.";
// The short-circuit raise re-runs the other criteria, which may move n; it gives up after this many rounds.
constexpr int kMaxRodadasCurto = 64;
}

short CCalculo::CircuitosNoGrupo(short n) const
{
    // Methods 1, 4 and 6 take the conductors per phase from the layout answers, so an imposed n is already
    // in the count answered; elsewhere the answer counts this circuit once. Each set beyond those is one
    // more circuit of the group; a layout that counts no circuits (0) holds this one.
    const bool respostasContamOsConjuntos =
        m_nManeiraInstalar == 1 || m_nManeiraInstalar == 4 || m_nManeiraInstalar == 6;
    const short respondidos = respostasContamOsConjuntos && m_nCondutoresImposto > 0 ? m_nCondutoresImposto : 1;
    if (n <= respondidos)
        return m_nTernas;
    return static_cast<short>(std::max<short>(m_nTernas, 1) + (n - respondidos));
}

void CCalculo::Fator_correcao_agrupamento(short n, short secao)
{
    m_kg = 0;
    if (m_fFatorAgrupImposto > 0) {
        m_kg = m_fFatorAgrupImposto;
        return;
    }
    if (m_nEspacamento == 2) {
        m_kg = 1.0f;
        return;
    }
    try {
        const std::string sql = FormatC(
            "SELECT fator_ate_95, fator_maior_95 from fator_agrupamento_NBR_14039 where metodo_referencia=? and "
            "tipo_cabo=%i and orientacao=%i and numero_bandejas=%i and numero_ternas_ou_cabos=%i",
            m_nTipoCabo, m_nOrientacao, m_nBandejas, CircuitosNoGrupo(n));
        CDaoRecordsetManual rs(&Catalogo(), dbOpenSnapshot, sql, SqlParams{m_strMetodo});
        if (!rs.IsEOF())
            rs.GetFieldFloat(secao <= 95 ? "fator_ate_95" : "fator_maior_95", m_kg);
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Fator_correcao_agrupamento", e);
        m_kg = 0;
    }
}

BOOL CCalculo::Capacidade_corrente()
{
    const short inicial = m_n;
    for (short m = inicial; m <= m_nmax && m > 0; ++m) {
        bool achou = false;
        short sCand = 0;
        float cCand = 0;
        try {
            CDaoRecordsetManual& rs = *m_pCapacidade;
            if (rs.GetRecordCount() > 0) {
                rs.MoveLast();
                while (!rs.IsBOF()) {
                    short s = 0;
                    rs.GetFieldShort("seccao_condutor", s);
                    Fator_correcao_agrupamento(m, s);
                    if (!m_strErro.empty())
                        return FALSE;
                    if (m_kg == 0) {
                        Erro(kMsgAgrupamento);
                        return achou ? TRUE : FALSE;
                    }
                    float c = 0;
                    rs.GetFieldFloat("capacidade_corrente", c);
                    // A design current equal to the tabled capacity (NBR 14039:2005/Em1:2021 Tabela 28/29,
                    // corrected) is carried by it, though its single-precision phasor sum may exceed it by
                    // a unit in the last place.
                    if (ExcedeCorrente(m_fI / (m_kr * m_kg * m_kt) / static_cast<float>(m), c))
                        break;
                    if (s < m_S && m == inicial)
                        break;
                    achou = true;
                    sCand = s;
                    cCand = c;
                    rs.MovePrev();
                }
            }
        } catch (CDaoException& e) {
            ErroBanco("CCalculo::Capacidade_corrente", e);
            return FALSE;
        }
        if (achou) {
            m_S = sCand;
            m_n = m;
            m_fCapacidade = cCand;
            // The factor used and reported is the chosen section's, not the last row examined.
            Fator_correcao_agrupamento(m_n, m_S);
            return m_strErro.empty() ? TRUE : FALSE;
        }
    }
    switch (m_nManeiraInstalar) {
    case 1:
        Erro("Capacacidade máxima de Corrente não atende as necessidades, aumente o número de Ternas ou Bandejas");
        break;
    case 4:
    case 5:
    case 6:
        Erro("Capacacidade máxima de Corrente não atende as necessidades, aumente o número de Ternas");
        break;
    default:
        Erro("Capacacidade máxima de Corrente não atende as necessidades, aumente o numero de Condutores");
        break;
    }
    return FALSE;
}

bool CCalculo::ColunasQueda(const char*& r, const char*& x) const
{
    if (m_nTipoCabo == 2) {
        r = "Tripolar_Rca";
        x = "Tripolar_Xl";
    } else if (m_nDisposicao == 1) {
        switch (m_nManeiraInstalar) {
        case 4:
            r = "Banco_Rca";
            x = "Banco_Xl";
            break;
        case 2:
            r = "Unipolar_2d_Rca";
            x = "Unipolar_2d_Xl";
            break;
        case 5:
        case 6:
            r = "Unipolar_20_Rca";
            x = "Unipolar_20_Xl";
            break;
        case 3:
            r = "Trifolio_Rca";
            x = "Trifolio_Xl";
            break;
        default:
            if (m_nEspacamento == 1) {
                r = "Unipolar_2d_Rca";
                x = "Unipolar_2d_Xl";
            } else if (m_nEspacamento == 2) {
                r = "Unipolar_20_Rca";
                x = "Unipolar_20_Xl";
            } else {
                return false;  // spacing "Maior que 2 D", which the catalogue does not offer: no column holds it
            }
            break;
        }
    } else {
        r = "Trifolio_Rca";
        x = "Trifolio_Xl";
    }
    return true;
}

BOOL CCalculo::Queda_tensao()
{
    const char* colR = nullptr;
    const char* colX = nullptr;
    if (!ColunasQueda(colR, colX)) {
        Erro(kMsgSemReatancia);
        return FALSE;
    }
    const float cosf = m_fFp;
    const float sinf = std::sqrt(std::fmax(0.0f, 1.0f - cosf * cosf));
    const short inicial = m_n;
    for (short m = inicial; m <= m_nmax && m > 0; ++m) {
        bool achou = false;
        bool semValores = false;
        bool excedeu = false;  // a row over the limit ended the walk
        short d = 0;
        float R = 0, X = 0, xc = 0, dv = 0;
        try {
            CDaoRecordsetManual& rs = *m_pQueda;
            if (rs.GetRecordCount() > 0) {
                rs.MoveLast();
                while (!rs.IsBOF()) {
                    float r = 0, x = 0, c = 0;
                    short s = 0;
                    rs.GetFieldFloat(colR, r);
                    rs.GetFieldFloat(colX, x);
                    rs.GetFieldFloat("xc", c);
                    rs.GetFieldShort("secao", s);
                    if (!(r > 0) || !(x > 0)) {
                        semValores = true;  // no values for this layout: never a "0 %" candidate
                        break;
                    }
                    const float q = (m_fL / 1000.0f) * (x * sinf + r * cosf) * std::sqrt(3.0f) * m_fI /
                                    static_cast<float>(m) / (10.0f * m_fU);
                    if (!(q <= m_fQuedaMaxima)) {
                        excedeu = true;
                        break;
                    }
                    if (s < m_S && m == inicial)
                        break;
                    achou = true;
                    d = s;
                    R = r;
                    X = x;
                    xc = c;
                    dv = q;
                    rs.MovePrev();
                }
            }
        } catch (CDaoException& e) {
            ErroBanco("CCalculo::Queda_tensao", e);
            return FALSE;
        }
        if (achou) {
            m_fR = R;
            m_fX = X;
            m_fXc = xc;
            m_fQueda = dv;
            if (d <= m_S && m == inicial)
                return TRUE;
            m_S = d;
            m_n = m;
            // A walk that met no row over the limit lifted S only to the smallest section the cable is made
            // in (its drop rows start there): the drop decided nothing.
            const bool pelaQueda = excedeu || m != inicial;
            if (pelaQueda && m_nCriterio != mvsize::CRITERIO_CURTO)
                m_nCriterio = mvsize::CRITERIO_QUEDA;
            if (!Capacidade_corrente())
                return FALSE;
            // When no capacity row from d up carries the current (d above the rows, which stop at 500 mm2),
            // the re-run goes on to more conductors at a smaller section, whose drop this walk has not seen.
            // n only grows, so this ends.
            if (m_n != m)
                return Queda_tensao();
            return TRUE;
        }
        if (semValores)
            break;
    }
    Erro(kMsgQueda);
    return FALSE;
}

BOOL CCalculo::QuedaFinal()
{
    const char* colR = nullptr;
    const char* colX = nullptr;
    if (!ColunasQueda(colR, colX)) {
        Erro(kMsgSemReatancia);
        return FALSE;
    }
    try {
        CDaoRecordsetManual& rs = *m_pQueda;
        if (rs.GetRecordCount() > 0) {
            rs.MoveLast();
            while (!rs.IsBOF()) {
                short s = 0;
                rs.GetFieldShort("secao", s);
                if (s == m_S) {
                    float r = 0, x = 0, c = 0;
                    rs.GetFieldFloat(colR, r);
                    rs.GetFieldFloat(colX, x);
                    rs.GetFieldFloat("xc", c);
                    if (!(r > 0) || !(x > 0))
                        break;
                    const float sinf = std::sqrt(std::fmax(0.0f, 1.0f - m_fFp * m_fFp));
                    const float q = (m_fL / 1000.0f) * (x * sinf + r * m_fFp) * std::sqrt(3.0f) * m_fI /
                                    static_cast<float>(m_n) / (10.0f * m_fU);
                    if (!(q <= m_fQuedaMaxima))
                        break;
                    m_fR = r;
                    m_fX = x;
                    m_fXc = c;
                    m_fQueda = q;
                    return TRUE;
                }
                rs.MovePrev();
            }
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Queda_tensao", e);
        return FALSE;
    }
    // The result's section has no drop values for this cable and class (or they do not meet the limit):
    // the drop is not verified, so no result is written.
    Erro(kMsgQueda);
    return FALSE;
}

BOOL CCalculo::Proxima_secao()
{
    try {
        const std::string sql =
            FormatC("SELECT MIN(secao_nominal) AS proxima_secao FROM secao WHERE secao_nominal>%i", m_S);
        CDaoRecordsetManual rs(&Catalogo(), dbOpenSnapshot, sql.c_str());
        short proxima = 0;
        if (!rs.IsEOF())
            rs.GetFieldShort("proxima_secao", proxima);  // NULL (no larger section) reads as 0
        if (proxima > m_S) {
            m_S = proxima;
            return TRUE;
        }
        // No larger section: more conductors at the largest tabled section, if n may grow.
        if (m_nCondutoresImposto > 0) {
            m_n = static_cast<short>(m_nmax + 1);
            Erro(kMsgCurto);
            return FALSE;
        }
        ++m_n;
        CDaoRecordsetManual& cap = *m_pCapacidade;
        cap.MoveLast();
        cap.GetFieldShort("seccao_condutor", m_S);
        return TRUE;
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Proxima_secao", e);
        return FALSE;
    }
}

float CCalculo::KCurto() const
{
    return std::sqrt(static_cast<float>(K2Curto()));
}

int CCalculo::K2Curto() const
{
    // K^2 of 142, 99 / 134, 87 (copper 90 / 105 C) and 93, 65 / 88, 57 (aluminium), connection 1 / other.
    const bool cobre = m_strMaterial == "CU";
    const bool t90 = m_nTemperaturaCondutor == 90;
    const bool conexao1 = m_nConexao == 1;
    if (cobre)
        return t90 ? (conexao1 ? 20164 : 9801) : (conexao1 ? 17956 : 7569);
    return t90 ? (conexao1 ? 8649 : 4225) : (conexao1 ? 7744 : 3249);
}

BOOL CCalculo::Curto_circuito()
{
    const float K = KCurto();
    const float sMin = m_fIcc * 1000.0f * std::sqrt(m_fTempoCurto) / K;
    // The n conductors of a phase share the fault current, as the raise below counts them: a result whose
    // total section withstands it was fixed by the other criteria and keeps their criterion.
    if (static_cast<float>(m_S) * static_cast<float>(m_n) >= sMin)
        return TRUE;
    m_nCriterio = mvsize::CRITERIO_CURTO;
    short maior = 0;
    try {
        CDaoRecordsetManual& cap = *m_pCapacidade;
        cap.MoveLast();
        cap.GetFieldShort("seccao_condutor", maior);
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Curto_circuito", e);
        return FALSE;
    }
    if (m_nCondutoresImposto > 0) {
        if (sMin / static_cast<float>(m_n) > static_cast<float>(maior)) {
            Erro(kMsgCurto);
            return FALSE;
        }
    } else {
        // Counted in float first: a 16-bit count would wrap (and pass the 1000 test below) for a large S_min.
        const float n = std::trunc(sMin / static_cast<float>(maior)) + 1;
        m_n = n < 1000.0f ? static_cast<short>(n) : static_cast<short>(1000);
    }
    // The re-run criteria may change n (or stop at a section below S_min / n); the raise repeats until
    // the section per conductor withstands the current.
    for (int rodada = 0; rodada < kMaxRodadasCurto; ++rodada) {
        if (m_n >= 1000) {
            Erro(kMsgAgrupamento);
            return FALSE;
        }
        m_S = static_cast<short>(std::trunc(sMin / static_cast<float>(m_n)));
        if (!m_strErro.empty())
            return FALSE;
        if (!(Proxima_secao() && Capacidade_corrente() && Queda_tensao()))
            return FALSE;
        if (static_cast<float>(m_S) * static_cast<float>(m_n) >= sMin)
            return TRUE;
    }
    Erro(kMsgCurto);
    return FALSE;
}

int CCalculo::Secao_economica()
{
    // Without hours, years or an installation cost the formula divides by zero: no economic section.
    if (m_nHorasAno <= 0 || m_nAnos <= 0 || m_nCustoInstalacao <= 0)
        return 0;
    const float a = 2.66f / std::sqrt(static_cast<float>(m_nHorasAno));
    const float c = std::pow(0.937f, static_cast<float>(m_nAnos));
    const float b = m_fI / (m_kg * static_cast<float>(m_n) * m_kt);
    const float d = 0.69f / std::sqrt(1.0f - c);
    const float e = b / (d * a);
    const float f = std::sqrt(m_fTarifa / static_cast<float>(m_nCustoInstalacao));
    const float r = f * e;
    if (!std::isfinite(r) || r < 0 || r > 32767.0f)
        return 0;
    return static_cast<int>(std::trunc(r));
}
