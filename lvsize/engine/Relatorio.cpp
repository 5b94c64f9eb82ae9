// The circuit's report lines (circuito_impressao) and its result columns, written in one transaction
// so that a failure leaves the previous calculation's lines and results as they were.

#include "Calculo.h"

#include "AppContext.h"
#include "Document.h"
#include "SqlValue.h"

#include <cmath>

namespace {

constexpr BYTE kEntrada = 2;
constexpr BYTE kResultado = 3;

// A section in the line's formats: whole sections with the integer format, one decimal with the line's
// one-decimal format, and two significant decimals (0.75, a typed minimum of 4.05) with two decimals in the
// same width.
std::string TextoSecao(float s, int larguraInteira, int larguraDecimal)
{
    const double v = s;
    const long centesimos = std::lround(v * 100);
    if (centesimos % 10 != 0)
        return FormatC("%*.2f", larguraDecimal, v);
    if (centesimos % 100 == 0)
        return FormatC("%*.0f", larguraInteira, v);
    return FormatC("%*.1f", larguraDecimal, v);
}

// The cable's own "no limit" is not a number to print; any other value is, however large.
std::string TextoI2t(double v, const char* unidade)
{
    if (v == I2T_SEM_LIMITE)
        return "sem limite";
    return FormatC("%4.2e %s", v, unidade);
}

}  // namespace

// The line is numbered and kept; Mostrar writes the calculation's lines in one statement, inside its
// transaction, so that a whole report costs one statement instead of one per line.
void CCalculo::Gravar_linha_impressao(BYTE tipo, const std::string& variavel, const std::string& valor, int motor,
                                      int carga, int corrente_continua)
{
    ++m_nLinha;
    m_LinhasPendentes.push_back({m_nLinha, tipo, variavel, valor, motor, carga, corrente_continua});
}

void CCalculo::Gravar_linhas_pendentes()
{
    if (m_LinhasPendentes.empty())
        return;
    std::string sql =
        "INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,tipo_dado_codigo,"
        "circuito_impressao_variavel,circuito_impressao_valor,circuito_impressao_motor,circuito_impressao_carga,"
        "circuito_impressao_corrente_continua) VALUES";
    SqlParams params;
    params.reserve(2 * m_LinhasPendentes.size());
    for (size_t i = 0; i < m_LinhasPendentes.size(); ++i) {
        const LinhaPendente& l = m_LinhasPendentes[i];
        sql += FormatC("%s(%i,%i,%i,?,?,%i,%i,%i)", i ? "," : "", m_nCircuito, l.numero, l.tipo, l.motor, l.carga,
                       l.corrente_continua);
        params.emplace_back(l.variavel);
        params.emplace_back(l.valor);
    }
    m_LinhasPendentes.clear();
    Projeto().Execute(sql, params, dbFailOnError);
}

std::string CCalculo::Descricao(const char* sql, const char* coluna)
{
    auto rs = m_Consultas.Abrir(Catalogo(), sql);
    std::string texto;
    rs->GetFieldString(coluna, texto);
    return texto;
}

void CCalculo::Mostrar()
{
    try {
        CDaoTransaction transacao(Projeto());
        Projeto().Execute(FormatC("DELETE FROM circuito_impressao WHERE circuito_sequencial=%i", m_nCircuito),
                          dbFailOnError);
        m_nLinha = 0;
        m_LinhasPendentes.clear();

        const std::string maneira = Descricao(
            FormatC("SELECT maneira_instalar_descricao FROM maneira_instalar WHERE maneira_instalar_codigo=%i",
                    m_nManeiraInstalar)
                .c_str(),
            "maneira_instalar_descricao");
        std::string sistema;
        {
            const std::string sql = FormatC(
                "SELECT sistema_descricao, sistema_tipo_codigo FROM sistema WHERE sistema_codigo=%i", m_nSistema);
            auto rs = m_Consultas.Abrir(Catalogo(), sql);
            rs->GetFieldString("sistema_descricao", sistema);
            rs->GetFieldByte("sistema_tipo_codigo", m_nTipoSistema);
        }
        const BOOL dc = m_nTipoSistema == 2;
        const std::string cabo =
            Descricao(FormatC("SELECT cabo_descricao FROM cabo WHERE cabo_codigo=%i", m_nCabo).c_str(), "cabo_descricao");

        Gravar_linha_impressao(kEntrada, "Maneira de instalar:", maneira, 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Sistema:", sistema, 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Cabo:", cabo, 0, 0, 0);
        if (m_nCondutoresImposto > 0)
            Gravar_linha_impressao(kEntrada, "Número de condutores por fase imposto :",
                                   FormatC("%i", m_nCondutoresImposto), 0, 0, 0);
        else
            Gravar_linha_impressao(kEntrada, "Número de condutores por fase :", "Automático", 0, 0, 0);
        if (m_fSecaoImposta > 0)
            Gravar_linha_impressao(kEntrada, "Seção nominal do condutor imposta :",
                                   TextoSecao(m_fSecaoImposta, 4, 6) + " mm2", 0, 0, 0);
        else
            Gravar_linha_impressao(kEntrada, "Seção nominal do condutor :", "Automática", 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Seção mínima de cada condutor:", TextoSecao(m_fSecaoMinima, 4, 6) + " mm2",
                               0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Temperatura ambiente:", FormatC("%i oC", m_nTemperatura), 0, 0, 0);
        if (m_bNeutroTabelado)
            Gravar_linha_impressao(kEntrada, "Conteúdo de harmônicas:", FormatC("%i %%", m_nHarmonica), 0, 0, 0);
        if (m_bDispensarContato)
            Gravar_linha_impressao(kEntrada, "Dispensada verificação contra contatos indiretos", "", 0, 0, 0);
        if (m_bDispensarSobrecarga) {
            Gravar_linha_impressao(kEntrada, "Dispensada verificação contra sobrecarga", "", 0, 0, 0);
        } else {
            const std::string dispositivo = Descricao(
                FormatC("SELECT dispositivo_protecao_descricao FROM dispositivo_protecao WHERE "
                        "dispositivo_protecao_codigo=%i",
                        m_nDispositivo)
                    .c_str(),
                "dispositivo_protecao_descricao");
            Gravar_linha_impressao(kEntrada, "Dispositivo de proteção :", dispositivo, 0, 0, 0);
            if (m_fFatorDisjuntor > 0)
                Gravar_linha_impressao(kEntrada, "Fator de correção do disjuntor :",
                                       FormatC("%4.2f", static_cast<double>(m_fFatorDisjuntor)), 0, 0, 0);
        }
        Gravar_linha_impressao(kEntrada, "Comprimento do circuito", FormatC("%6.1f m", static_cast<double>(m_fL)), 0, 0,
                               0);
        if (m_fIp > 0) {
            Gravar_linha_impressao(kEntrada, "Queda de tensão máxima admitida em regime :",
                                   FormatC("%4.2f %%", static_cast<double>(m_fQuedaMaxRegime)), 0, 0, 0);
            Gravar_linha_impressao(kEntrada, "Queda de tensão máxima admitida na partida :",
                                   FormatC("%4.2f %%", static_cast<double>(m_fQuedaMaxPartida)), 0, 0, 0);
        } else {
            Gravar_linha_impressao(kEntrada, "Queda de tensão máxima admitida :",
                                   FormatC("%4.2f %%", static_cast<double>(m_fQuedaMaxRegime)), 0, 0, 0);
        }
        if (m_nTensaoFF > 0)
            Gravar_linha_impressao(kEntrada, "Tensão fase/fase :", FormatC("%i V", m_nTensaoFF), 0, 0, 0);
        if (m_fTensaoFN > 0)
            Gravar_linha_impressao(kEntrada, "Tensão fase/neutro :", FormatC("%4.2f V", static_cast<double>(m_fTensaoFN)),
                                   0, 0, 0);
        if (m_fFatorAgrupImposto > 0)
            Gravar_linha_impressao(kEntrada, "Fator de correção de agrupamento imposto :",
                                   FormatC("%4.2f", static_cast<double>(m_fFatorAgrupImposto)), 0, 0, 0);
        else
            Gravar_linha_impressao(kEntrada, "Fator de correção de agrupamento :", "Automático", 0, 0, 0);
        if (m_fResistividade > 0)
            Gravar_linha_impressao(kEntrada, "Resistividade térmica do solo:",
                                   FormatC("%4.2f ohm/m", static_cast<double>(m_fResistividade)), 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Corrente c.c. presumida (Ikmax):",
                               FormatC("%5.1f kA", static_cast<double>(m_fIkmax)), 0, 0, 0);
        if (m_nHorasAno > 0) {
            Gravar_linha_impressao(kEntrada, "Custo de instalação do cabo:", FormatC("%i $/mm2.km", m_nCustoInstalacao),
                                   0, 0, 0);
            Gravar_linha_impressao(kEntrada, "Horas/ano de funcionamento:", FormatC("%i", m_nHorasAno), 0, 0, 0);
            Gravar_linha_impressao(kEntrada, "Número de anos considerado:", FormatC("%i", m_nAnos), 0, 0, 0);
            Gravar_linha_impressao(kEntrada, "Tarifa de energia:", FormatC("%7.4f $/kWh", static_cast<double>(m_fTarifa)),
                                   0, 0, 0);
        }

        for (const auto& resposta : m_Respostas) {
            const std::string sql = FormatC(
                "SELECT tabela_selecao_item FROM tabela_selecao WHERE tabela_selecao_codigo=%i AND "
                "(tabela_selecao_sequencial=0 OR tabela_selecao_sequencial=%i) ORDER BY tabela_selecao_sequencial",
                resposta->m_tabela_selecao_codigo, resposta->m_tabela_selecao_sequencial);
            auto rs = m_Consultas.Abrir(Catalogo(), sql);
            std::string questao, item;
            rs->GetFieldString("tabela_selecao_item", questao);
            rs->MoveNext();
            rs->GetFieldString("tabela_selecao_item", item);
            Gravar_linha_impressao(kEntrada, questao, item, 0, 0, 0);
        }

        if (m_bCorrenteCargas)
            Gravar_linha_impressao(kEntrada, "Cargas não motor consideradas", "", 0, dc ? 0 : -1, dc ? -1 : 0);
        if (m_bTemPartida)
            Gravar_linha_impressao(kEntrada, "Motores considerados", "", -1, 0, 0);
        Linhas_correntes();
        Gravar_linha_impressao(kEntrada, "Fator de demanda :", FormatC("%4.2f", static_cast<double>(m_fFd)), 0, 0, 0);

        Gravar_linha_impressao(kResultado, "Seção nominal dos condutores :",
                               FormatC("%i x ", m_n) + TextoSecao(m_fS, 4, 6) + " mm2", 0, 0, 0);
        const char* criterio = "";
        switch (m_nCriterio) {
        case CRITERIO_CAPACIDADE: criterio = "Capacidade de corrente"; break;
        case CRITERIO_QUEDA: criterio = m_fIMotoresTotal > 0 ? "Queda de tensão em regime" : "Queda de tensão"; break;
        case CRITERIO_QUEDA_PARTIDA: criterio = "Queda de tensão na partida"; break;
        case CRITERIO_SOBRECARGA: criterio = "Proteção contra sobrecarga"; break;
        case CRITERIO_CURTO: criterio = "Curto circuito"; break;
        case CRITERIO_SECAO_MINIMA: criterio = "Seção mínima"; break;
        case CRITERIO_CONTATOS: criterio = "Contatos indiretos"; break;
        case CRITERIO_HARMONICAS: criterio = "Conteúdo de Harmonicas"; break;
        default: break;
        }
        Gravar_linha_impressao(kResultado, "Critério de dimensionamento:", criterio, 0, 0, 0);
        Gravar_linha_impressao(kResultado, "Capacidade de condução de corrente :",
                               FormatC("%i x %7.1f A", m_n, static_cast<double>(m_fIz * m_fKagr * m_fKtemp)), 0, 0, 0);
        Gravar_linha_impressao(kResultado, "Fator de correção de agrupamento :",
                               FormatC("%4.2f", static_cast<double>(m_fKagr)), 0, 0, 0);
        Gravar_linha_impressao(kResultado, "Fator de correção de temperatura :",
                               FormatC("%4.2f", static_cast<double>(m_fKtemp)), 0, 0, 0);
        if (m_nHarmonica > 0)
            Gravar_linha_impressao(kResultado, "Fator de correção de harmônicas :", FormatC("%4.2f", m_dKh), 0, 0, 0);
        Gravar_linha_impressao(kResultado, "Resistência em CA de cada condutor :",
                               FormatC("%7.4f ohm/km", static_cast<double>(m_fRca)), 0, 0, 0);
        Gravar_linha_impressao(kResultado, "Reatância indutiva de cada condutor :",
                               FormatC("%7.4f ohm/km", static_cast<double>(m_fXl)), 0, 0, 0);
        if (m_fIp > 0) {
            Gravar_linha_impressao(kResultado, "Queda de tensão em regime efetiva :",
                                   FormatC("%7.2f %%", static_cast<double>(m_fQueda)), 0, 0, 0);
            Gravar_linha_impressao(kResultado, "Queda de tensão na partida efetiva :",
                                   FormatC("%7.2f %%", static_cast<double>(m_fQuedaPartida)), 0, 0, 0);
        } else {
            Gravar_linha_impressao(kResultado, "Queda de tensão efetiva :",
                                   FormatC("%7.2f %%", static_cast<double>(m_fQueda)), 0, 0, 0);
        }

        std::string textoDispositivo;
        if (!m_bDispensarSobrecarga)
            Linhas_protecao(textoDispositivo);

        Gravar_linha_impressao(kResultado, "Icc presumida mínima ponto extremo (Ikmin) :",
                               FormatC("%4.2e A", m_dIkmin), 0, 0, 0);
        Gravar_linha_impressao(kResultado, "I2t de cada condutor para Ikmax :", TextoI2t(m_dI2tIkmax, "A"), 0, 0,
                               0);
        Gravar_linha_impressao(kResultado, "I2t de cada condutor para Ikmin :", TextoI2t(m_dI2tIkmin, "A"), 0, 0,
                               0);
        Gravar_linha_impressao(kResultado, "Tempo máximo para atuação da proteção para Ikmax :",
                               m_dI2tIkmax == I2T_SEM_LIMITE ? std::string("sem limite")
                                                             : TextoI2t(m_dTempoIkmax, "s"),
                               0, 0, 0);
        if (m_bSistemaFN) {
            Gravar_linha_impressao(kResultado, "Seção nominal do condutor neutro :",
                                   FormatC("%i x ", m_n) + TextoSecao(m_fSecaoNeutro, 5, 7) + " mm2", 0, 0, 0);
            if (m_bNeutroTabelado && m_nHarmonica <= 0) {
                Gravar_linha_impressao(kResultado, "  Ver condições para redução do condutor neutro", "", 0, 0, 0);
                Gravar_linha_impressao(kResultado, "  na NBR5410/2004.", "", 0, 0, 0);
            }
        }
        if (m_bTerra) {
            Gravar_linha_impressao(kResultado, "Seção nominal do condutor de proteção :",
                                   TextoSecao(m_fSecaoProtecao, 5, 7) + " mm2", 0, 0, 0);
            if (m_n > 1) {
                Gravar_linha_impressao(kResultado, "  Dividir este valor pelo número de condutores", "", 0, 0, 0);
                Gravar_linha_impressao(kResultado, "  e respectivas seções que forem mais adequadas.", "", 0, 0, 0);
            }
        }
        // Only a check that was made (on a TN system), with a device current, and held.
        if (!m_bDispensarContato && Tensao_falta() > 50.0f && m_bContatosVerificados)
            Gravar_linha_impressao(kResultado, "Protegido contra contatos indiretos (esquema TN).", "", 0, 0, 0);
        if (m_nHorasAno > 0) {
            const double economica = m_fSecaoEconomica;
            Gravar_linha_impressao(kResultado, "Seção total do condutor, critério econômico :",
                                   m_fS <= m_fSecaoEconomica ? FormatC("%i x %7.1f", m_n, economica)
                                                             : FormatC("%i x %7.1f (Não aplicável)", m_n, economica),
                                   0, 0, 0);
        }

        Gravar_linhas_pendentes();
        const std::string sql = FormatC(
            "UPDATE circuito SET circuito_numero_condutores_calculado=%i, secao_nominal=%6.2f, "
            "circuito_corrente_total_regime=%6.2f, circuito_queda_tensao_calculada=%7.2f, "
            "circuito_corrente_nominal_dispositivo_protecao=?, circuito_calculado=-1 WHERE circuito_sequencial=%i",
            m_n, static_cast<double>(m_fS), static_cast<double>(m_fIb), static_cast<double>(m_fQueda), m_nCircuito);
        Projeto().Execute(sql, SqlParams{textoDispositivo}, dbFailOnError);
        transacao.Commit();

        if (CProjectDocument* doc = GetActiveProjectDocument())
            doc->SetModifiedFlag();
    } catch (CDaoException& e) {
        ErroBanco("CCalculo::Mostrar", e);
    }
}

void CCalculo::Linhas_correntes()
{
    const BOOL dc = m_nTipoSistema == 2;
    auto corrente = [](float I) { return FormatC("%6.1f A", static_cast<double>(I)); };
    auto fator = [](float fp) { return FormatC("%4.2f", static_cast<double>(fp)); };
    if (m_fIp == 0) {
        if (m_fIFilhos > 0) {
            Gravar_linha_impressao(kEntrada, "Corrente dos circuitos filhos:", corrente(m_fIFilhos), 0, 0, 0);
            if (!dc)
                Gravar_linha_impressao(kEntrada, "Fator de potência dos circuitos filhos:", fator(m_fFpFilhos), 0, 0, 0);
        }
        Gravar_linha_impressao(kEntrada, "Corrente do circuito :", corrente(m_fIMotores), 0, 0, 0);
        if (!dc)
            Gravar_linha_impressao(kEntrada, "Fator de potência do circuito :", fator(m_fFpMotores), 0, 0, 0);
        if (m_fIFilhos > 0) {
            Gravar_linha_impressao(kEntrada, "Corrente total do circuito :", corrente(m_fIb), 0, 0, 0);
            if (!dc)
                Gravar_linha_impressao(kEntrada, "Fator de potência total do circuito:", fator(m_fFp), 0, 0, 0);
        }
        return;
    }
    if (m_fIFilhos > 0) {
        Gravar_linha_impressao(kEntrada, "Corrente dos circuito filhos em regime:", corrente(m_fIFilhos), 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Fator de potência dos circuitos filhos em regime:", fator(m_fFpFilhos), 0, 0,
                               0);
    }
    Gravar_linha_impressao(kEntrada, "Corrente do circuito em regime:", corrente(m_fIMotores), 0, 0, 0);
    Gravar_linha_impressao(kEntrada, "Fator de potência do circuito em regime:", fator(m_fFpMotores), 0, 0, 0);
    if (m_fIFilhos > 0) {
        Gravar_linha_impressao(kEntrada, "Corrente total do circuito em regime:", corrente(m_fIb), 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Fator de potência total do circuito em regime:", fator(m_fFp), 0, 0, 0);
    }
    if (m_fIpFilhos > 0) {
        Gravar_linha_impressao(kEntrada, "Corrente dos circuito filhos na partida:", corrente(m_fIpFilhos), 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Fator de potência dos circuitos filhos na partida:", fator(m_fFppFilhos), 0,
                               0, 0);
    }
    Gravar_linha_impressao(kEntrada, "Corrente do circuito na partida:", corrente(m_fIpMotores), 0, 0, 0);
    Gravar_linha_impressao(kEntrada, "Fator de potência do circuito na partida:", fator(m_fFppMotores), 0, 0, 0);
    if (m_fIpFilhos > 0) {
        Gravar_linha_impressao(kEntrada, "Corrente total do circuito na partida :", corrente(m_fIp), 0, 0, 0);
        Gravar_linha_impressao(kEntrada, "Fator de potência total do circuito na partida:", fator(m_fFpp), 0, 0, 0);
    }
}

void CCalculo::Linhas_protecao(std::string& textoDispositivo)
{
    if (m_bSemCorrenteCarga) {
        // Only motors in the subtree: the device is not chosen, its limits are given.
        Gravar_linha_impressao(kResultado, "Corrente máxima dispos. proteção contra sobrecarga :",
                               FormatC("%4.0f A", static_cast<double>(1.12f * m_fIb)), 0, 0, 0);
        std::string valor;
        if (m_fFatorDisjuntor > 0) {
            valor = FormatC(">= %4.0f A e <= %4.0f A", static_cast<double>(m_fIp), static_cast<double>(12 * m_fIb));
            textoDispositivo =
                FormatC("%4.0f<= Disj.<=%4.0f A", static_cast<double>(m_fIp), static_cast<double>(12 * m_fIb));
        } else {
            const float k = m_fIp <= 40 ? 0.5f : (m_fIp <= 500 ? 0.4f : 0.3f);
            const float y = 1.12f * m_fIb;
            const float fusivel = y >= k * m_fIp ? 1.6f * y : k * m_fIp;
            valor = FormatC("%4.0f A", static_cast<double>(fusivel));
            textoDispositivo = "Fus. " + valor;
        }
        Gravar_linha_impressao(kResultado, "Corrente máx. disp. proteção contra curto-circuito :", valor, 0, 0, 0);
        Gravar_linha_impressao(kResultado, "Valores de Proteção calculados com base na: ", "NBR IEC 60269", 0, 0, 0);
        Gravar_linha_impressao(kResultado, "Verificar tabela do Fabricante do Dispositivo para", "", 0, 0, 0);
        Gravar_linha_impressao(kResultado, "um melhor dimensionamento", "", 0, 0, 0);
    } else {
        const std::string valor = FormatC("%i x %i A", m_nDispositivosParalelo, m_nIn);
        Gravar_linha_impressao(kResultado, "Corrente nominal do dispositivo de proteção :", valor, 0, 0, 0);
        textoDispositivo = (m_fFatorDisjuntor > 0 ? "Disj. " : "Fus. ") + valor;
    }
    Gravar_linha_impressao(kResultado, "Verificar capacidade de interrupção (ruptura)", "", 0, 0, 0);
    Gravar_linha_impressao(kResultado, "do dispositivo de proteção.", "", 0, 0, 0);
}
