#include "LvsizeView.h"

#include "LvsizeCommands.h"
#include "LvsizeDoc.h"

#include "AppContext.h"
#include "Calculo.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogRunner.h"
#include "ErrorReporter.h"
#include "MessageService.h"
#include "SqlValue.h"

#include <memory>

namespace {

constexpr const char* kTabelasDependentes[] = {"circuito_x_tabela_selecao", "carga", "motor"};

const CircuitTreeTraits kLvsize{"CLvsizeView", CLvsizeView::kTituloRelatorio, IMAGEM_NENHUM, IMAGEM_AMBOS,
                                kTabelasDependentes};

}  // namespace

int ImagemCircuito(float corrente_regime, long motores)
{
    if (corrente_regime > 0 && motores > 0)
        return IMAGEM_AMBOS;
    if (motores >= 1)
        return IMAGEM_MOTOR;
    if (corrente_regime > 0)
        return IMAGEM_CORRENTE;
    return IMAGEM_NENHUM;
}

LvsizeDialogEntries& LvsizeDialogs()
{
    static LvsizeDialogEntries entries;
    return entries;
}

BEGIN_MESSAGE_MAP(CLvsizeView, CCircuitTreeView)
    ON_COMMAND(ID_CARGAS_MOTORES, OnCargasMotores)
    ON_UPDATE_COMMAND_UI(ID_CARGAS_MOTORES, OnUpdateNaoMotor)
    ON_COMMAND(ID_CARGAS_NAO_MOTOR, OnCargasNaoMotor)
    ON_UPDATE_COMMAND_UI(ID_CARGAS_NAO_MOTOR, OnUpdateCircuito)
    ON_COMMAND(ID_CIRCUITO_DISPOSITIVO_PROTECAO, OnCircuitoDispositivoProtecao)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_DISPOSITIVO_PROTECAO, OnUpdateCircuito)
END_MESSAGE_MAP()

CLvsizeView::CLvsizeView() : CCircuitTreeView(kLvsize) {}

CLvsizeDoc* CLvsizeView::GetDocument() const
{
    return dynamic_cast<CLvsizeDoc*>(CView::GetDocument());
}

std::vector<CCircuitTreeView::ItemCircuito> CLvsizeView::LerFilhos(CDaoDatabase& db, short pai)
{
    const std::string base =
        "SELECT circuito_sequencial,circuito_codigo,circuito_corrente_regime,(SELECT COUNT(*) FROM motor WHERE "
        "circuito_sequencial=circuito.circuito_sequencial) AS motor FROM circuito WHERE ";
    const std::string sql =
        pai == 0 ? base + "circuito_sequencial_pai is NULL" : base + FormatC("circuito_sequencial_pai=%i", pai);
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql.c_str());
    std::vector<ItemCircuito> itens;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ItemCircuito item;
        float corrente = 0;
        long motores = 0;
        rs.GetFieldShort("circuito_sequencial", item.sequencial);
        rs.GetFieldString("circuito_codigo", item.codigo);
        rs.GetFieldFloat("circuito_corrente_regime", corrente);
        rs.GetFieldLong("motor", motores);
        item.imagem = ImagemCircuito(corrente, motores);
        itens.push_back(item);
    }
    return itens;
}

void CLvsizeView::Atualiza_icone()
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    CDaoDatabase* db = Database();
    if (!item || !db)
        return;
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               FormatC("SELECT circuito_corrente_regime,(SELECT COUNT(*) FROM motor WHERE "
                                       "circuito_sequencial=circuito.circuito_sequencial) AS motor FROM circuito "
                                       "WHERE circuito_sequencial=%i",
                                       GetItemSequencial(item))
                                   .c_str());
        if (rs.IsEOF())
            return;
        float corrente = 0;
        long motores = 0;
        rs.GetFieldFloat("circuito_corrente_regime", corrente);
        rs.GetFieldLong("motor", motores);
        const int imagem = ImagemCircuito(corrente, motores);
        tree.SetItemImage(item, imagem, imagem);
    } catch (CDaoException& e) {
        ReportError("CLvsizeView::Atualiza_icone", &e);
    }
}

CalculoCircuito CLvsizeView::DimensionarCircuito(short sequencial)
{
    auto calculo = std::make_unique<CCalculo>(sequencial);
    CalculoCircuito r;
    r.ok = calculo->Calcular();
    r.codigo = calculo->m_strCodigo;
    r.erro = calculo->m_strErro;
    r.relatorio = calculo->m_bMostrarRelatorio;
    return r;
}

// --- Lvsize's dialogs -------------------------------------------------------------------------------------

void CLvsizeView::DepoisDeIncluir(const CaracteristicasResposta& resposta)
{
    if (resposta.cargaNaoMotor)
        OnCargasNaoMotor();
    if (resposta.motor)
        OnCargasMotores();
    OnCircuitoDispositivoProtecao();
}

void CLvsizeView::OnCargasNaoMotor()
{
    CWaitCursor wait;
    if (AbrirDialogo(LvsizeDialogs().cargaCorrente, "CCarga_corrente") != IDOK)
        return;
    Atualiza_icone();
    MarcarModificado();
}

void CLvsizeView::OnCargasMotores()
{
    CWaitCursor wait;
    if (AbrirDialogo(LvsizeDialogs().cargaMotor, "CCarga_motor") != IDOK)
        return;
    Atualiza_icone();
    MarcarModificado();
}

void CLvsizeView::OnCircuitoDispositivoProtecao()
{
    CWaitCursor wait;
    if (AbrirDialogo(LvsizeDialogs().dispositivoProtecao, "CDispositivo_protecao") == IDOK)
        MarcarModificado();
}

// Asked at every idle pass: a failure only disables the item, it never shows a message.
void CLvsizeView::OnUpdateNaoMotor(CCmdUI* pCmdUI)
{
    bool habilitar = false;
    CDaoDatabase* db = Database();
    CDaoDatabase* ref = AppContext().m_pReferenceDb;
    if (CircuitoSelecionado() && db && ref) {
        try {
            CDaoRecordsetManual rs(
                db, dbOpenSnapshot,
                FormatC("SELECT sistema_codigo FROM circuito WHERE circuito_sequencial=%i", GetItemSequencial())
                    .c_str());
            if (!rs.IsEOF()) {
                BYTE sistema = 0;
                rs.GetFieldByte("sistema_codigo", sistema);
                CDaoRecordsetManual tipo(
                    ref, dbOpenSnapshot,
                    FormatC("SELECT sistema_tipo_codigo FROM sistema WHERE sistema_codigo=%i", sistema).c_str());
                if (!tipo.IsEOF()) {
                    BYTE t = 0;
                    tipo.GetFieldByte("sistema_tipo_codigo", t);
                    habilitar = t == 1 || t == 3;
                }
            }
        } catch (CDaoException&) {
            habilitar = false;
        }
    }
    pCmdUI->Enable(habilitar);
}
