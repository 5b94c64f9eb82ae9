// The last criteria of the chain: protection against indirect contact (TN), minimum section, neutral
// section with harmonics, and the economic section that is only reported.

#include "Calculo.h"

#include "SqlValue.h"

#include <cmath>

namespace {
constexpr int kMaxRepeticoesContatos = 100;
const char* const kErroAgrupamento =
    "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito.";
const char* const kErroCapacidade = "Impossível devido ao critério capacidade de corrente.\nAumentar no. condutores.";
const char* const kErroAumento = "Impossível aumentar a seção ou o número de condutores";
}  // namespace

// The voltage that drives a fault between a phase and the protective conductor: the phase-to-neutral
// voltage, or in an alternating-current system without neutral Uff / sqrt(3) (as the minimum
// short-circuit current takes it); none for direct current.
float CCalculo::Tensao_falta() const
{
    if (m_fTensaoFN > 0)
        return m_fTensaoFN;
    if (m_nTipoSistema == 2)
        return 0;
    return static_cast<float>(m_nTensaoFF) / std::sqrt(3.0f);
}

// NBR 5410 5.1.2.2.4, automatic disconnection in a TN system: Zs x Ia <= U0, Ia here the current that
// operates the device within 5 s, Zs the phase and protective conductors of the circuit's own metal.
BOOL CCalculo::Contatos_indiretos()
{
    m_bContatosVerificados = FALSE;
    // TT and IT systems disconnect by their own conditions (earth electrode and residual current, first
    // fault), which the Zs condition does not stand for.
    if (!m_bEsquemaTN)
        return TRUE;
    const float U0 = Tensao_falta();
    if (U0 < 50 || m_bDispensarContato)
        return TRUE;
    const float rho = 0.0225f * m_fFatorResistividade;

    // Checked again after every raise: the raise and the re-run criteria may not suffice at once.
    for (int repeticao = 0; repeticao < kMaxRepeticoesContatos; ++repeticao) {
        const float fn = static_cast<float>(m_n);
        const float m = fn * m_fS / m_fSecaoProtecao;
        const float Lmax = fn * (0.8f * U0 / ((m + 1) * (rho * m_fIt5s))) * m_fS;
        if (m_fL <= Lmax) {
            m_bContatosVerificados = m_fIt5s > 0;  // without a device current nothing was verified
            return TRUE;
        }
        m_nCriterio = CRITERIO_CONTATOS;

        if (m_n > 1) {
            // Several conductors per phase: the total section the length needs, in the proportions of the
            // table's largest section; used only when it adds copper, and never with fewer conductors than
            // the circuit has (an imposed count stays).
            float Sr = 0, Spr = 0;
            m_pCapacidade->MoveLast();
            m_pCapacidade->GetFieldFloat("secao_nominal", Sr);
            m_pCapacidade->GetFieldFloat("secao_nominal_protecao", Spr);
            const float e = (Sr / Spr + 1) * rho * m_fIt5s * m_fL / (0.8f * U0);
            const float f = e / Sr;
            const float inteiro = std::floor(f);
            float nNovo = f == inteiro ? inteiro : inteiro + 1;
            if (nNovo >= 1000) {
                Erro(kErroAgrupamento);
                return FALSE;
            }
            if (nNovo < fn)
                nNovo = fn;
            if (e > fn * m_fS) {
                m_n = static_cast<short>(nNovo);
                m_fS = e / nNovo;
            }
        }

        m_fS = Proxima_secao(m_fS);
        if (!m_strErro.empty())
            return FALSE;
        if (!(Capacidade_corrente() && Queda_tensao() && Queda_tensao_partida() && Sobrecarga()))
            return m_strErro.empty();
        if (!m_strErro.empty())
            return FALSE;
    }
    Erro(kErroAumento);
    return FALSE;
}

BOOL CCalculo::Secao_minima()
{
    if (m_fSecaoMinima <= m_fS)
        return m_strErro.empty();
    m_nCriterio = CRITERIO_SECAO_MINIMA;
    m_fS = Proxima_secao(m_fSecaoMinima - 0.1f);
    // A minimum that is not nominal but lies within 0.1 above a nominal section (2.55) finds that section:
    // go on to the next one, the result must not stay below the minimum.
    while (m_strErro.empty() && m_fS > 0 && m_fS < m_fSecaoMinima)
        m_fS = Proxima_secao(m_fS);
    if (m_strErro.empty()) {
        if (Capacidade_corrente() && Queda_tensao() && Queda_tensao_partida() && Sobrecarga() && Contatos_indiretos())
            Condutor_Neutro();
    }
    return m_strErro.empty();
}

BOOL CCalculo::Condutor_Neutro()
{
    switch (m_nSistema) {
    case 1:
        // NBR 5410 6.2.6.2.2: a single-phase circuit's neutral carries the phase current.
        m_fSecaoNeutro = m_fS;
        return TRUE;
    case 2:
    case 4:
    case 7:
    case 11:
        return TRUE;
    default:
        // Two phases with neutral (6) go with the three-phase systems: above 33 % of third harmonic their
        // neutral carries more than a phase (Anexo F, Tabela F.1, two phases and neutral).
        break;
    }

    try {
        // The section that carries the neutral's harmonic current on the circuit's own n conductors per
        // phase: the report gives n neutral conductors of it, so a current that n conductors of no section
        // carry stops the sizing (NBR 5410 6.2.6.2, Anexo F), rather than a neutral that would overload.
        if (!Agrupamento(m_n))
            return FALSE;
        float Sh = 0;
        BOOL achou = FALSE;
        const float Ih = static_cast<float>(m_fFd * m_fIb * m_dKh / (m_fKtemp * m_fKagr) / m_n);
        m_pCapacidade->MoveLast();
        while (!m_pCapacidade->IsBOF()) {
            float cap = 0;
            m_pCapacidade->GetFieldFloat("capacidade_corrente_capacidade", cap);
            if (ExcedeCorrente(Ih, cap))
                break;
            m_pCapacidade->GetFieldFloat("secao_nominal", Sh);
            achou = TRUE;
            m_pCapacidade->MovePrev();
        }
        if (!achou) {
            Erro(kErroCapacidade);
            return FALSE;
        }

        BYTE veias = 0;
        {
            const std::string sql = FormatC("SELECT VEIAS FROM CABO WHERE CABO_CODIGO=%i", m_nCabo);
            auto rs = m_Consultas.Abrir(Catalogo(), sql);
            rs->GetFieldByte("VEIAS", veias);
        }

        BOOL resultado = TRUE;
        if (veias >= 2 && m_fS < Sh) {
            // A multi-core cable's neutral is one of its cores: the whole cable grows.
            m_fS = Sh;
            m_nCriterio = CRITERIO_HARMONICAS;
            if (Capacidade_corrente() && Queda_tensao() && Queda_tensao_partida() && Sobrecarga() &&
                Contatos_indiretos())
                Secao_minima();
            resultado = m_strErro.empty();
        } else if (veias >= 2 && m_fS > Sh) {
            Sh = m_fS;
        } else if ((m_nSistema == 5 || m_nSistema == 9 || m_nSistema == 10) && m_nHarmonica == 0 && veias == 1) {
            Sh = Secao_neutro_tabelada(m_fS);
        }
        if (m_fS > Sh && m_nHarmonica >= 33 && veias == 1)
            Sh = m_fS;
        if (m_nSistema == 3 && m_fS > Sh)
            Sh = m_fS;
        m_fSecaoNeutro = Neutro_minimo(Sh, veias);
        return resultado;
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Condutor_Neutro", e);
        return TRUE;
    }
}

// The neutral is decided on the final phase section (the criteria re-run above may have raised it after
// the harmonic section was found), never below what NBR 5410 6.2.6.2 allows for it.
float CCalculo::Neutro_minimo(float secaoHarmonica, BYTE veias)
{
    // A multi-core cable's neutral is one of its cores.
    if (veias >= 2)
        return m_fS;
    float minimo;
    if (m_nSistema == 6 || m_nHarmonica > 15)
        minimo = m_fS;  // two phases with neutral; or above 15 % of third harmonic (6.2.6.2.3)
    else
        minimo = Secao_neutro_tabelada(m_fS);  // up to 15 %: the reduction of Tabela 48 at most (6.2.6.2.6)
    // A TN system without a separate protective conductor (TN-C) runs its neutral as the PEN: it is the
    // circuit's protective conductor too, never below Tabela 58 (6.4.3.1.3), the conductor the fault loop of
    // 5.1.2.2.4 was checked with. With n conductors per phase that section is the total, shared by the n.
    if (m_bEsquemaTN && !m_bTerra && m_bSistemaFN) {
        const float pen = Secao_nominal_desde(m_fSecaoProtecao / static_cast<float>(m_n));
        if (pen > minimo)
            minimo = pen;
    }
    return secaoHarmonica > minimo ? secaoHarmonica : minimo;
}

void CCalculo::Secao_economica()
{
    if (m_nHorasAno <= 0)
        return;
    // Years 0 or a cost of 0 or less leave no meaningful optimum: nothing is reported then.
    if (m_nAnos == 0 || m_nCustoInstalacao <= 0 || m_fTarifa < 0)
        return;
    const double c = std::pow(0.937, m_nAnos);
    const float a = static_cast<float>(2.66 / std::sqrt(static_cast<double>(m_nHorasAno)));
    const float b = static_cast<float>(0.69 / std::sqrt(1.0 - c));
    const float Y = m_fFd * m_fIb / (m_fKagr * static_cast<float>(m_n) * m_fKtemp);
    const float raiz = static_cast<float>(std::sqrt(static_cast<double>(m_fTarifa) / m_nCustoInstalacao));
    const float economica = raiz * Y / (b * a);
    if (std::isfinite(economica))
        m_fSecaoEconomica = economica;
}
