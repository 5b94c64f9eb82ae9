// The cable-layout questions asked on OK: a small state machine over the catalogue's selection tables,
// keyed by the question in hand, that fills the six layout bytes and, for some methods, the number of
// conductors per phase.
#include "CaracteristicasMt.h"
#include "SelecaoDados.h"

#include "AppContext.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

using namespace mvcar;

namespace {

// The table of NBR 14039:2005/Em1:2021 the catalogue's tray factors come from: single-core trefoil groups
// (spaced single-core by analogy), or three-core cables.
int TabelaAgrupamento(const std::array<BYTE, 6>& d)
{
    return d[kTipoCabo] == 1 ? 34 : 35;
}

}  // namespace

BYTE CCaracteristicas::Perguntar(BYTE tabela)
{
    CSelecao_dados dlg;
    dlg.m_nTabelaSelecaoCodigo = tabela;
    dlg.m_nLinhaAtual = 1;
    if (dlg.DoModal() != IDOK)
        return 0;
    return dlg.m_nLinhaEscolhida;
}

void CCaracteristicas::DefinirCondutores(int n)
{
    m_numeroCondutores.SetValue(static_cast<float>(n));
}

BOOL CCaracteristicas::EditarOutrasvariaveis()
{
    // 1. The stored answers, carried along to the save.
    m_respostas.clear();
    try {
        CProjectDocument* doc = GetActiveProjectDocument();
        CDaoRecordsetManual rs(doc ? doc->m_pDatabase : nullptr, dbOpenSnapshot,
                               FormatC("SELECT * FROM circuito_x_tabela_selecao WHERE circuito_sequencial=%i",
                                       static_cast<int>(m_nCircuitoSequencial))
                                   .c_str());
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CTabela_selecao r;
            rs.GetFieldByte("tabela_selecao_codigo", r.m_tabela_selecao_codigo);
            rs.GetFieldByte("tabela_selecao_sequencial", r.m_tabela_selecao_sequencial);
            m_respostas.push_back(r);
        }
    } catch (CDaoException& e) {
        ReportError("CCaracteristicas::EditarOutrasvariaveis(1)", &e);
    }

    // 2. Every run starts unanswered.
    auto& d = m_disposicao;
    d.fill(kNaoRespondido);
    BYTE pergunta = 0;
    switch (m_nManeiraInstalarCodigo) {
    case 1:
        pergunta = 40;
        break;
    case 2:
    case 3:
        pergunta = m_nManeiraInstalarCodigo == 2 ? 70 : 60;
        d[kNumeroTernas] = 0;
        d[kNumeroBandejas] = 0;
        d[kEspacamentoCabosTernas] = 0;
        d[kOrientacao] = 1;
        break;
    case 4:
    case 5:
    case 6:
        pergunta = m_nManeiraInstalarCodigo == 4 ? 50 : m_nManeiraInstalarCodigo == 5 ? 80 : 90;
        d[kNumeroBandejas] = 0;
        d[kEspacamentoCabosTernas] = 0;
        d[kOrientacao] = 1;
        break;
    default:
        // No catalogue method has another code; a circuit that names one has no layout to ask about.
        d.fill(0);
        return TRUE;
    }

    auto completo = [&d] {
        for (BYTE b : d)
            if (b == kNaoRespondido)
                return false;
        return true;
    };

    // 3-4. One question per turn until all six bytes are set.
    while (!completo()) {
        const BYTE a = Perguntar(pergunta);
        if (a == 0)
            return FALSE;
        BYTE proxima = pergunta;
        switch (pergunta) {
        case 40:
            d[kTipoCabo] = a;
            if (a == 1) {
                proxima = 41;
            } else {
                d[kDisposicaoDosCabos] = 0;
                proxima = 45;
            }
            break;
        case 41:
            d[kDisposicaoDosCabos] = a;
            proxima = 45;
            break;
        case 45:
            d[kOrientacao] = a;
            if (a == 1) {
                proxima = 44;
            } else {
                d[kNumeroBandejas] = 0;
                if (!m_bCondutoresDigitados)
                    m_numeroCondutores.SetWindowText("Autom.");
                proxima = d[kTipoCabo] == 1 ? 42 : 43;
            }
            break;
        case 44:
            d[kNumeroBandejas] = a == 4 ? 6 : a;
            proxima = d[kTipoCabo] == 1 ? 42 : 43;
            break;
        case 42:
            d[kNumeroTernas] = a;
            if (d[kDisposicaoDosCabos] != 1)
                d[kEspacamentoCabosTernas] = 0;
            proxima = 46;
            break;
        case 43:
            d[kNumeroTernas] = a == 4 ? 6 : a == 5 ? 9 : a;
            proxima = 46;
            break;
        case 46:
            d[kEspacamentoCabosTernas] = a;
            break;
        case 50:
        case 80:
        case 90:
            d[kTipoCabo] = a;
            if (a == 1) {
                proxima = static_cast<BYTE>(pergunta + 1);
            } else {
                d[kDisposicaoDosCabos] = 0;
                proxima = static_cast<BYTE>(pergunta + 3);
            }
            break;
        case 51:
        case 81:
        case 91:
            d[kDisposicaoDosCabos] = a;
            proxima = static_cast<BYTE>(a == 1 ? pergunta + 1 : pergunta + 2);
            break;
        case 52:
        case 53:
        case 92:
        case 93:
            d[kNumeroTernas] = a;
            DefinirCondutores(a);
            break;
        case 82:
        case 83:
            d[kNumeroTernas] = a;
            break;
        case 60:
        case 70:
            d[kTipoCabo] = a;
            if (a == 1)
                proxima = static_cast<BYTE>(pergunta + 1);
            else
                d[kDisposicaoDosCabos] = 0;
            break;
        case 61:
        case 71:
            d[kDisposicaoDosCabos] = a;
            break;
        default:
            break;
        }
        pergunta = proxima;
    }

    // 5. What the answers fix.
    if (m_nManeiraInstalarCodigo == 1) {
        const int tabela = TabelaAgrupamento(d);
        std::string texto;
        if (d[kOrientacao] == 1) {
            const int produto = d[kNumeroBandejas] * d[kNumeroTernas];
            DefinirCondutores(produto);
            texto = FormatC("Você selecionou %i bandeja(s) e %i terna(s) por bandeja! \nem função disso o sistema "
                            "assumirá %i condutores por fase \n \nO fator de agrupamento atenderá a tabela %i da NBR "
                            "14039:2005/Em1:2021",
                            static_cast<int>(d[kNumeroBandejas]), static_cast<int>(d[kNumeroTernas]), produto, tabela);
        } else {
            DefinirCondutores(d[kNumeroTernas]);
            texto = FormatC("Você selecionou %i terna(s) para uma instalação Vertical! \nem função disso o sistema "
                            "assumirá %i condutores por fase \n \nO fator de agrupamento atenderá a tabela %i da NBR "
                            "14039:2005/Em1:2021",
                            static_cast<int>(d[kNumeroTernas]), static_cast<int>(d[kNumeroTernas]), tabela);
        }
        AfxMessageBox(texto, MB_OK | MB_ICONINFORMATION);
    } else if (m_nManeiraInstalarCodigo == 2 && m_fatorAgrupamento.GetValue() == 0.0f) {
        DefinirCondutores(1);
        AfxMessageBox("A NBR 14039:2005 para Canaletas preve 1 Condutor por fase e fator de correção de agrupamento "
                      "igual a 1. \nPor esse motivo o sistema assumirá fator de correção de agrupamento igual a 1 e "
                      "numero de condutores por fase igual a 1\n \nCaso queira um dimensionamento mais preciso "
                      "determine o número de Condutores por Fase e Fator de Agrupamento e digite-os na tela de Dados "
                      "do circuito",
                      MB_OK | MB_ICONINFORMATION);
    }
    return TRUE;
}
