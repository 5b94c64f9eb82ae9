// The circuit's result columns and report lines (circuito_impressao).

#include "Calculo.h"

#include "AppContext.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

namespace {
// The method's code in NBR 14039:2005/Em1:2021 Tabela 25. The catalogue stores A1, B1, F1 and G1 as A, B, F
// and G, the letters the criteria test; the other letters (F2, G2 included) are the table's own.
std::string MetodoTabela25(const std::string& letra)
{
    if (letra == "A" || letra == "B" || letra == "F" || letra == "G")
        return letra + "1";
    return letra;
}

std::string Descricao(CDaoDatabase& db, const char* sql, const char* coluna)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql);
    std::string valor;
    rs.GetFieldString(coluna, valor);  // no row: a database failure
    return valor;
}
}

void CCalculo::Gravar_linha(BYTE tipo, const std::string& variavel, const std::string& valor)
{
    ++m_nLinha;
    Projeto().Execute(FormatC("INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,"
                              "tipo_dado_codigo,circuito_impressao_variavel,circuito_impressao_valor) "
                              "VALUES(%i,%i,%i,?,?)",
                              m_nCircuito, m_nLinha, tipo),
                      SqlParams{variavel, valor}, dbFailOnError);
}

void CCalculo::GravarCalculo()
{
    try {
        CDaoDatabase& cat = Catalogo();
        // Previous lines and results stay whole unless the new set is complete.
        CDaoTransaction trans(Projeto());
        Projeto().Execute(FormatC("DELETE FROM circuito_impressao WHERE circuito_sequencial=%i", m_nCircuito),
                          dbFailOnError);
        m_nLinha = 0;

        const bool filhos = m_fIFilhos > 0;
        const bool economico = m_nHorasAno > 0;
        Gravar_linha(2, "Maneira de instalar:",
                     Descricao(cat,
                               FormatC("SELECT maneira_instalar_descricao FROM maneira_instalar WHERE "
                                       "maneira_instalar_codigo=%i",
                                       m_nManeiraInstalar)
                                   .c_str(),
                               "maneira_instalar_descricao"));
        Gravar_linha(2, "Tensão de serviço:", FormatC("%4.1f kV", m_fU));
        Gravar_linha(2, "Classe de tensão:",
                     Descricao(cat,
                               FormatC("SELECT classe_tensao_descricao FROM classe_tensao WHERE classe_tensao_codigo=%i",
                                       m_nClasseTensao)
                                   .c_str(),
                               "classe_tensao_descricao"));
        Gravar_linha(2, "Cabo:",
                     Descricao(cat, FormatC("SELECT cabo_descricao FROM cabo WHERE cabo_codigo=%i", m_nCabo).c_str(),
                               "cabo_descricao"));
        Gravar_linha(2, "Material Condutor: ", m_strMaterial == "AL" ? "Aluminio" : "Cobre");
        Gravar_linha(2, "Temperatura de Regime do Condutor : ", FormatC("%i ºC", m_nTemperaturaCondutor));
        Gravar_linha(2, "Temperatura ambiente:", FormatC("%i °C", m_nTemperatura));
        Gravar_linha(2, "Queda de tensão máxima:", FormatC("%5.2f %%", m_fQuedaMaxima));
        if (filhos) {
            Gravar_linha(2, "Corrente de projeto dos filhos :", FormatC("%7.1f A", m_fIFilhos));
            Gravar_linha(2, "Fator de potência dos filhos :", FormatC("%4.2f", m_fFpFilhos));
        }
        Gravar_linha(2, "Corrente de projeto:", FormatC("%7.1f A", m_fIProprio));
        Gravar_linha(2, "Fator de potência:", FormatC("%4.2f", m_fFpProprio));
        Gravar_linha(2, "Resistividade térmica do solo:", FormatC("%1.1f", m_fResistividade));
        if (filhos) {
            Gravar_linha(2, "Corrente de projeto total :", FormatC("%7.1f A", m_fI));
            Gravar_linha(2, "Fator de potência total :", FormatC("%4.2f", m_fFp));
        }
        Gravar_linha(2, "Circuito comprimento:", FormatC("%5.0f m", m_fL));
        Gravar_linha(2, "Corrente curto circuito no condutor:", FormatC("%6.2f kA", m_fIcc));
        Gravar_linha(2, "Tempo corrente curto circuito no condutor:", FormatC("%9.4f s", m_fTempoCurto));
        Gravar_linha(2, "Tipo de conexão:",
                     Descricao(cat,
                               FormatC("SELECT conexao_tipo_descricao FROM conexao_tipo WHERE conexao_tipo_codigo=%i",
                                       m_nConexao)
                                   .c_str(),
                               "conexao_tipo_descricao"));
        if (m_fFatorAgrupImposto > 0)
            Gravar_linha(2, "Fator de correção de agrupamento imposto :", FormatC("%4.2f", m_fFatorAgrupImposto));
        else
            Gravar_linha(2, "Fator de correção de agrupamento :", "Automático");
        if (m_nCondutoresImposto > 0)
            Gravar_linha(2, "Número de condutores por fase imposto :", FormatC("%i", m_nCondutoresImposto));
        else
            Gravar_linha(2, "Número de condutores por fase :", "Automático");
        if (m_nSecaoImposta > 0)
            Gravar_linha(2, "Seção nominal do condutor imposta :", FormatC("%i", m_nSecaoImposta));
        else
            Gravar_linha(2, "Seção nominal do condutor :", "Automática");
        if (economico) {
            Gravar_linha(2, "Número de anos considerado:", FormatC("%i", m_nAnos));
            Gravar_linha(2, "Tarifa de energia:", FormatC("%7.4f $/kWh", m_fTarifa));
            Gravar_linha(2, "Custo de instalação cabo:", FormatC("%i $.mm2/km", m_nCustoInstalacao));
            Gravar_linha(2, "Horas ano funcionamento:", FormatC("%i", m_nHorasAno));
        }
        if (m_nTipoCabo == 1)
            Gravar_linha(2, "Tipo de Cabo Selecionado", "Cabo Unipolar");
        else if (m_nTipoCabo == 2)
            Gravar_linha(2, "Tipo de Cabo Selecionado", "Cabo Tripolar");
        if (m_nDisposicao == 1)
            Gravar_linha(2, "Disposição dos Cabos", m_nManeiraInstalar == 3 ? "Trifólio" : "Espaçados");
        else if (m_nDisposicao == 2)
            Gravar_linha(2, "Disposição dos Cabos", m_nManeiraInstalar == 3 ? "Justapostos Horizontal" : "Trifólio");
        else if (m_nDisposicao == 3)
            Gravar_linha(2, "Disposição dos Cabos", "Justapostos na Horizontal");
        if (m_nTernas != 0)
            Gravar_linha(2, "Numero de Ternas ou Cabos", FormatC("%i", m_nTernas));
        if (m_nBandejas != 0)
            Gravar_linha(2, "Numero de Bandejas", FormatC("%i", m_nBandejas));
        if (m_strMetodo == "A" || m_strMetodo == "B" || m_strMetodo == "E" || m_strMetodo == "F") {
            if (m_nOrientacao == 1)
                Gravar_linha(2, "Disposição dos Circuitos", "Instalação Horizontal");
            else if (m_nOrientacao == 2)
                Gravar_linha(2, "Disposição dos Circuitos", "Instalação Vertical");
        }
        if (m_nEspacamento == 1)
            Gravar_linha(2, "Distancia Entre Cabos/Ternas", "2d (entre eixos), d=diametro externo do cabo");
        else if (m_nEspacamento == 2)
            Gravar_linha(2, "Distancia Entre Cabos/Ternas", "20cm (entre eixos)");
        else if (m_nEspacamento == 3)
            Gravar_linha(2, "Distancia Entre Cabos/Ternas", "Maior que 2 D");

        Gravar_linha(3, "Seção nominal dos condutores:", FormatC("%i x %i mm²", m_n, m_S));
        Gravar_linha(3, "Critério de dimensionamento:",
                     m_nCriterio == mvsize::CRITERIO_CURTO   ? "Curto circuito"
                     : m_nCriterio == mvsize::CRITERIO_QUEDA ? "Queda de tensão"
                                                             : "Capacidade de corrente");
        if (MetodoEnterrado())
            Gravar_linha(3, "Fator correção de resistividade térmica do Solo:", FormatC("%1.2f", m_kr));
        Gravar_linha(3, "Método de Referencia da Instalação (Tabela 25 NBR 14039:2005/Em1:2021):",
                     MetodoTabela25(m_strMetodo));
        Gravar_linha(3, "Capacidade de condução de corrente:",
                     FormatC("%i x %4.0f A", m_n, m_fCapacidade * m_kg * m_kt * m_kr));
        Gravar_linha(3, "Fator de correção de agrupamento:", FormatC("%4.2f", m_kg));
        Gravar_linha(3, "Fator de correção da temperatura:", FormatC("%4.2f", m_kt));
        Gravar_linha(3, "Reatância capacitiva:", FormatC("%6.0f ohm.km", m_fXc));
        Gravar_linha(3, "Resistência máxima em corrente alternada:", FormatC("%6.4f ohm/km", m_fR));
        Gravar_linha(3, "Reatância indutiva:", FormatC("%6.4f ohm/km", m_fX));
        Gravar_linha(3, "Queda de tensão efetiva:", FormatC("%7.4f %%", m_fQueda));
        const float joule = static_cast<float>(m_S) * (static_cast<float>(K2Curto()) * static_cast<float>(m_S));
        Gravar_linha(3, "Integ. de Joule condutor (regime adiabático):", FormatC("%4.2E A²s", static_cast<double>(joule)));

        std::string terminal;
        {
            const int familia = (m_nCabo == 4 || m_nCabo == 5 || m_nCabo == 8) ? 1 : 2;
            const std::string sql = FormatC("SELECT terminal AS Terminal FROM terminais WHERE cabo=%i and condutor=? and "
                                            "classe_de_tensao=%i and secao_nominal=%i",
                                            familia, m_nClasseTensao, m_S);
            CDaoRecordsetManual rs(&cat, dbOpenSnapshot, sql, SqlParams{m_strMaterial});
            if (!rs.IsEOF())
                rs.GetFieldString("Terminal", terminal);
        }
        Gravar_linha(3, "Terminal modular (TM) da VARDEK recomendado:", terminal);
        if (m_nManeiraInstalar == 2 && m_nTipoCabo == 1 && m_nDisposicao == 1)
            Gravar_linha(3, "Afastamento entre eixos dos cabos = 2d", "d = Diamentro externo do cabo");
        const short economica = static_cast<short>(Secao_economica());
        if (economica > 0)
            Gravar_linha(3, "Seção total do condutor, critério econômico:",
                         FormatC(m_S < economica ? "%7.1f mm²" : "%7.1f mm² (Não se aplica)",
                                 static_cast<double>(economica)));

        Projeto().Execute(FormatC("UPDATE circuito SET circuito_numero_condutores_calculado=%i, secao_nominal=%i, "
                                  "circuito_corrente_total=%6.2f, circuito_queda_tensao_calculada=%6.2f, "
                                  "circuito_calculado=-1 WHERE circuito_sequencial=%i",
                                  m_n, m_S, static_cast<double>(m_fI), static_cast<double>(m_fQueda), m_nCircuito),
                          dbFailOnError);
        trans.Commit();
        if (CProjectDocument* doc = GetActiveProjectDocument())
            doc->SetModifiedFlag();
    } catch (CDaoException& e) {
        // A calculation whose results could not be written is not a success.
        ErroBanco("CCalculo::GravarCalculo", e);
    }
}
