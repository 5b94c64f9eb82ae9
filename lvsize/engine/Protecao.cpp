// Overload protection by the circuit's device (breaker or fuse of the library), and the short-circuit
// checks of a breaker's let-through I2t against the cable's withstand.

#include "Calculo.h"

#include "AppContext.h"
#include "SqlValue.h"

#include <cmath>

namespace {

constexpr int kMaxPassosBissecao = 60;
constexpr int kMaxRecomecos = 1000;

const char* const kAvisoDispositivo =
    "O cálculo não foi possível devido a falta do dispositivo de proteção no banco de dados. Neste caso é necessário "
    "o cadastramento do dispositivo de proteção através do programa Dispositivos.\n\nObs. Caso queira dispensar a "
    "proteção do calculo, selecionar os Itens Dispensar sobrecarga e Dispensar contatos indiretos na janela Dados do "
    "Circuito";

}  // namespace

BOOL CCalculo::Sobrecarga()
{
    if (m_bDispensarSobrecarga || m_bSemCorrenteCarga)
        return TRUE;

    // A motor circuit protects 1.12 times the motors' running current together with the other loads.
    float Id = m_fIb;
    if (m_fIp > 0) {
        float fpd = 0;
        SomaFasorial(Id, fpd, 1.12f * m_fIMotoresTotal, m_fFpMotoresTotal, m_fICargasTotal, m_fFpCargasTotal);
    }

    BOOL aceito = FALSE;
    try {
        for (int recomeco = 0; recomeco < kMaxRecomecos; ++recomeco) {
            short m = m_n;
            float f = 1.0f;
            std::string sql;
            // Ratings in ascending order whatever order the library editor stored them in.
            if (m_fFatorDisjuntor == 0) {
                sql = FormatC(
                    "SELECT fusivel_corrente_nominal AS corrente_nominal, fusivel_corrente_ruptura AS corrente_ruptura, "
                    "fusivel_corrente_t5s AS it5s, fusivel_alfa AS alfa FROM fusivel_corrente_nominal WHERE "
                    "dispositivo_protecao_codigo=%i ORDER BY fusivel_corrente_nominal",
                    m_nDispositivo);
            } else {
                sql = FormatC(
                    "SELECT *, disjuntor_corrente_nominal AS corrente_nominal, disjuntor_corrente_ruptura AS "
                    "corrente_ruptura, disjuntor_corrente_t5s AS it5s, disjuntor_alfa AS alfa FROM "
                    "disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=%i ORDER BY disjuntor_corrente_nominal",
                    m_nDispositivo);
                f = m_fFatorDisjuntor;
            }
            auto rs = m_Consultas.Abrir(Catalogo(), sql);
            aceito = FALSE;

            while (!aceito && m <= m_n) {
                rs->MoveFirst();
                float A = 0;
                float Izt = m_fKagr * m_fIz * m_fKtemp * static_cast<float>(m_n);
                while (!rs->IsEOF() && !aceito) {
                    short In = 0;
                    float alfa = 0;
                    rs->GetFieldShort("corrente_nominal", In);
                    A = static_cast<float>(m) * static_cast<float>(In) * f;
                    // NBR 5410 5.3.4.1: IB <= In <= Iz and I2 = alfa In <= 1.45 Iz, each with equality: a
                    // rating equal to the derated capacity protects it, whatever the last place of the
                    // single-precision products says.
                    if (ExcedeCorrente(A, Izt))
                        break;  // this rating and the larger ones are too large for the cable
                    rs->GetFieldFloat("alfa", alfa);
                    if (ExcedeCorrente(m_fFd * Id, A) ||
                        ExcedeCorrente(A, 1.45f * m_fIz * m_fKagr * m_fKtemp * static_cast<float>(m_n) / alfa)) {
                        rs->MoveNext();
                        continue;
                    }
                    m_nIn = In;
                    m_fAlfa = alfa;
                    m_nDispositivosParalelo = m;
                    rs->GetFieldFloat("it5s", m_fIt5s);
                    rs->GetFieldFloat("corrente_ruptura", m_fRuptura);
                    if (m_fFatorDisjuntor > 0) {
                        rs->GetFieldFloat("disjuntor_corrente_minima_atuacao", m_fIa);
                        rs->GetFieldFloat("disjuntor_i2t_corrente_minima_atuacao", m_fI2tIa);
                        rs->GetFieldFloat("disjuntor_limiar_atuacao_magnetica", m_fIm);
                        rs->GetFieldFloat("disjuntor_i2t_termico_limiar_magnetico", m_fI2tTermicoIm);
                        rs->GetFieldFloat("disjuntor_i2t_magnetico_limiar_magnetico", m_fI2tMagneticoIm);
                        rs->GetFieldFloat("disjuntor_corrente_capacidade", m_fIcap);
                        rs->GetFieldFloat("disjuntor_i2t_corrente_capacidade", m_fI2tIcap);
                        if (m_fFatorDisjuntor == 1.0f && m_fIa == 0 && m_fI2tIa == 0 && m_fIm == 0 &&
                            m_fI2tTermicoIm == 0 && m_fI2tMagneticoIm == 0 && m_fIcap == 0 && m_fI2tIcap == 0) {
                            // The rating exists without its curve: the report would rest on unknown data.
                            if (!m_bAvisoDispositivoMostrado) {
                                m_bAvisoDispositivoMostrado = TRUE;
                                AfxMessageBox(kAvisoDispositivo, MB_ICONEXCLAMATION);
                            }
                            m_bMostrarRelatorio = FALSE;
                        }
                    }
                    aceito = TRUE;
                }
                if (aceito)
                    break;
                if (!ExcedeCorrente(A, Izt)) {
                    // The ratings ran out below the cable's limit.
                    if (m > 1 || m_n == 1)
                        m = static_cast<short>(m_n + 1);
                    else
                        m = m_n;
                } else {
                    if (m_nCriterio == CRITERIO_CAPACIDADE || m_nCriterio == CRITERIO_QUEDA ||
                        m_nCriterio == CRITERIO_QUEDA_PARTIDA || m_nCriterio == CRITERIO_CONTATOS)
                        m_nCriterio = CRITERIO_SOBRECARGA;
                    m_fS = Proxima_secao(m_fS);
                    if (!m_strErro.empty() || !(Capacidade_corrente() && Queda_tensao() && Queda_tensao_partida()))
                        return FALSE;
                }
            }

            if (m > m_n) {
                Erro("Não é possível definir um dispositivo de proteção para este caso. Trocar o dispositivo de "
                     "proteção ou aumentar o número de cabos em paralelo.");
                return FALSE;
            }
            if (m_fFatorDisjuntor <= 0)
                return TRUE;  // the library gives fuses no breaking capacity
            // NBR 5410 5.3.5.5.1: the device interrupts the whole prospective current where it is installed;
            // conductors in parallel do not share it, so adding them is no way out.
            const float Ikmax = Corrente_cc_presumida();
            if (m_fIcap > 0 && Ikmax > m_fIcap) {
                Erro(FormatC("Capacidade de interrupção do dispositivo (%i A) menor que a corrente de curto-circuito "
                             "presumida (%i A). Trocar o dispositivo de proteção.",
                             static_cast<int>(std::lround(m_fIcap)), static_cast<int>(std::lround(Ikmax))));
                return FALSE;
            }
            if (m_fIa <= 0)
                return TRUE;
            if (m_fIcap <= 0 || m_fI2tIcap <= 0) {
                // Without the breaking capacity and the let-through there, the checks of NBR 5410 5.3.5.5
                // cannot be made.
                Erro("Dados de curto-circuito do disjuntor incompletos.");
                return FALSE;
            }
            if (!Curva_disjuntor_valida())
                return TRUE;  // counts as a rating without curve data
            if (Verificar_curto_circuito())
                return TRUE;

            // The cable does not withstand the breaker's let-through energy: next section, then start over.
            m_nCriterio = CRITERIO_CURTO;
            m_fS = Proxima_secao(m_fS);
            if (!m_strErro.empty() || !(Capacidade_corrente() && Queda_tensao() && Queda_tensao_partida()))
                return FALSE;
        }
        Erro("Impossível aumentar a seção ou o número de condutores");
        return FALSE;
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Sobrecarga", e);
        return aceito;
    }
}

// A thermal range the interpolation can use: positive currents rising from Ia to Im and positive I2t
// values (the curve points are looked at when they are opened).
BOOL CCalculo::Curva_disjuntor_valida() const
{
    if (m_fIa <= 0 || m_fIm <= m_fIa || m_fI2tIa <= 0 || m_fI2tTermicoIm <= 0 || m_fI2tMagneticoIm <= 0)
        return FALSE;
    return TRUE;
}

// The three comparisons of the cable's I2t with the breaker's: at the prospective current per conductor,
// at the minimum short-circuit current, and the crossing of the two curves in the thermal range.
BOOL CCalculo::Verificar_curto_circuito()
{
    const std::string sql = FormatC(
        "SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=%i AND disjuntor_corrente_nominal=%i "
        "ORDER BY disjuntor_corrente",
        m_nDispositivo, m_nIn);
    m_pPontosCurva.reset();
    m_pPontosCurva = m_Consultas.Abrir(Catalogo(), sql);
    if (m_pPontosCurva->GetRecordCount() > 0) {
        m_pPontosCurva->MoveFirst();
        while (!m_pPontosCurva->IsEOF()) {
            float c = 0, v = 0;
            m_pPontosCurva->GetFieldFloat("disjuntor_corrente", c);
            m_pPontosCurva->GetFieldFloat("disjuntor_i2t", v);
            if (c <= 0 || v <= 0)
                return TRUE;  // a point the log-log interpolation cannot use: no usable curve data
            m_pPontosCurva->MoveNext();
        }
    }

    // NBR 5410 5.3.5.5.2: I2t <= k2 S2 at every current the breaker must interrupt. A current outside the
    // breaker's curve is one it is not known to interrupt: it fails, whatever the cable withstands (the
    // cable's value may exceed the curve's "outside" marker).
    auto suporta = [this](double I) { return !Fora_da_curva(I) && I2t_cabo(I) >= i2td(I); };

    // The prospective current as typed: in single precision 1.2 kA is 1200 A, not a hair above a breaker's
    // magnetic threshold of 1200 A.
    const float Ikmax = Corrente_cc_presumida();
    const float I1 = Ikmax / static_cast<float>(m_n);
    if (!suporta(I1))
        return FALSE;

    Icc_minima();
    if (Ikmax < m_dIkmin)
        m_dIkmin = Ikmax;
    if (!suporta(m_dIkmin))
        return FALSE;

    const double x = Cruzamento_curvas();
    return !(x > 0 && x > m_dIkmin);
}

// The current at which the cable's curve crosses the breaker's thermal curve; 0 when they do not cross
// between Ia and Im.
double CCalculo::Cruzamento_curvas()
{
    const double Ia = m_fIa;
    const double Im = m_fIm;
    const double y = I2t_cabo(Im);
    if (m_fI2tMagneticoIm < y && y < m_fI2tTermicoIm)
        return Im;
    const double z = I2t_cabo(Ia);
    if ((m_fI2tIa < z && y > m_fI2tTermicoIm) || (m_fI2tIa > z && y < m_fI2tTermicoIm))
        return 0;

    // Bisection in logarithmic current; the cable's curve jumps to "no limit" at its overload limit, so
    // the two curves need not meet within 10 A2s: the number of halvings is bounded.
    double a = Ia, b = Im, mid = Ia;
    for (int passo = 0; passo < kMaxPassosBissecao; ++passo) {
        mid = std::pow(10.0, (std::log10(a) + std::log10(b)) * 0.5);
        const double Da = i2td(a);
        const double Dm = i2td(mid);
        const double Ca = I2t_cabo(a);
        const double Cm = I2t_cabo(mid);
        if ((Ca > Da && Dm > Cm) || (Ca < Da && Cm > Dm))
            b = mid;
        else
            a = mid;
        if (std::fabs(Da - Ca) < 10)
            break;
    }
    return mid;
}

void CCalculo::Icc_minima()
{
    const float U0 = m_fTensaoFN > 0 ? m_fTensaoFN : static_cast<float>(m_nTensaoFF) / std::sqrt(3.0f);
    double rho;
    if (m_fS <= 120)
        rho = 0.054;
    else if (m_fS <= 150)
        rho = 0.0621;
    else if (m_fS <= 185)
        rho = 0.0648;
    else
        rho = 0.0675;
    // NBR 5410 5.3.5.5: the minimum short-circuit current flows through the circuit's own metal.
    rho *= m_fFatorResistividade;
    m_dIkmin = 0.8 * U0 * m_fS / (m_fL * rho);
}

double CCalculo::I2t_cabo(double I)
{
    if (I <= 1.45 * m_fKagr * m_fIz * m_fKtemp)
        return I2T_SEM_LIMITE;
    const double S = m_fS;
    const double k = m_nK;
    const double e = I * I / (k * k * S * S);
    const double d = m_fY / S;
    if (d > e)
        return I2T_SEM_LIMITE;
    const double raiz = std::sqrt(static_cast<float>(m_fS));
    const double u = (m_fX + std::sqrt(4 * S * (e - d) + static_cast<double>(m_fX) * m_fX)) / (2 * raiz * (e - d));
    return u * u * I * I;
}

BOOL CCalculo::Fora_da_curva(double I) const
{
    return I < m_fIa || I > m_fIcap;
}

double CCalculo::i2td(double I)
{
    if (Fora_da_curva(I))
        return I2T_FORA_CURVA;
    auto lg = [](float v) { return static_cast<float>(std::log10(v)); };
    float x1, y1, x2, y2;
    if (I <= m_fIm) {
        x1 = lg(m_fIa);
        y1 = lg(m_fI2tIa);
        x2 = lg(m_fIm);
        y2 = lg(m_fI2tTermicoIm);
    } else {
        x1 = lg(m_fIm);
        y1 = lg(m_fI2tMagneticoIm);
        x2 = lg(m_fIcap);
        y2 = lg(m_fI2tIcap);
    }
    const float superior = I <= m_fIm ? m_fIm : m_fIcap;
    try {
        if (m_pPontosCurva && m_pPontosCurva->GetRecordCount() > 0) {
            m_pPontosCurva->MoveFirst();
            while (!m_pPontosCurva->IsEOF()) {
                float c = 0, v = 0;
                m_pPontosCurva->GetFieldFloat("disjuntor_corrente", c);
                m_pPontosCurva->GetFieldFloat("disjuntor_i2t", v);
                if (c > superior)
                    break;
                if (c >= I) {
                    x2 = lg(c);
                    y2 = lg(v);
                    break;
                }
                x1 = lg(c);
                y1 = lg(v);
                m_pPontosCurva->MoveNext();
            }
        }
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::i2td", e);
    }
    if (x1 == x2)
        return std::pow(10.0, static_cast<double>(y2));
    return std::pow(10.0, y2 + (std::log10(I) - x2) * (y1 - y2) / (x1 - x2));
}
