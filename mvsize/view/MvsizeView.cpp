#include "MvsizeView.h"

#include "MvsizeDoc.h"

// Both engines name their class CCalculo: the medium-voltage one, by its path.
#include "../engine/Calculo.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

#include <memory>

namespace {

// The rows that belong to a circuit besides its own: its stored answers (Mvsize has no loads or motors).
constexpr const char* kTabelasDependentes[] = {"circuito_x_tabela_selecao"};

const CircuitTreeTraits kMvsize{"CMvsizeView", CMvsizeView::kTituloRelatorio, IMAGEM_SEM_CORRENTE, IMAGEM_ORIGEM,
                                kTabelasDependentes};

}  // namespace

int ImagemCircuito(float corrente_projeto)
{
    return corrente_projeto > 0 ? IMAGEM_COM_CORRENTE : IMAGEM_SEM_CORRENTE;
}

MvsizeDialogEntries& MvsizeDialogs()
{
    static MvsizeDialogEntries entries;
    return entries;
}

CMvsizeView::CMvsizeView() : CCircuitTreeView(kMvsize) {}

CMvsizeDoc* CMvsizeView::GetDocument() const
{
    return dynamic_cast<CMvsizeDoc*>(CView::GetDocument());
}

void CMvsizeView::OnInitialUpdate()
{
    // The tree's background is erased white whatever the desktop's theme.
    SetBackgroundColor(0xFFFFFF);
    CCircuitTreeView::OnInitialUpdate();
}

std::vector<CCircuitTreeView::ItemCircuito> CMvsizeView::LerFilhos(CDaoDatabase& db, short pai)
{
    const std::string sql = pai == 0 ? std::string("SELECT * FROM circuito WHERE circuito_sequencial_pai is NULL")
                                     : FormatC("SELECT * FROM circuito WHERE circuito_sequencial_pai=%i", pai);
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql.c_str());
    std::vector<ItemCircuito> itens;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ItemCircuito item;
        float corrente = 0;
        rs.GetFieldShort("circuito_sequencial", item.sequencial);
        rs.GetFieldString("circuito_codigo", item.codigo);
        if (!rs.GetFieldValue("circuito_corrente_projeto").IsNull())
            rs.GetFieldFloat("circuito_corrente_projeto", corrente);
        item.imagem = ImagemCircuito(corrente);
        itens.push_back(item);
    }
    return itens;
}

void CMvsizeView::Atualiza_icone()
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    CDaoDatabase* db = Database();
    if (!item || !db)
        return;
    int imagem = IMAGEM_SEM_CORRENTE;
    try {
        CDaoRecordsetManual rs(
            db, dbOpenSnapshot,
            FormatC("SELECT circuito_corrente_projeto FROM circuito WHERE circuito_sequencial=%i",
                    GetItemSequencial(item))
                .c_str());
        float corrente = 0;
        if (!rs.IsEOF() && !rs.GetFieldValue("circuito_corrente_projeto").IsNull())
            rs.GetFieldFloat("circuito_corrente_projeto", corrente);
        imagem = ImagemCircuito(corrente);
    } catch (CDaoException& e) {
        ReportError("CMvsizeView::Atualiza_icone", &e);
    }
    tree.SetItemImage(item, imagem, imagem);
}

CalculoCircuito CMvsizeView::DimensionarCircuito(short sequencial)
{
    auto calculo = std::make_unique<CCalculo>(sequencial);
    CalculoCircuito r;
    r.ok = calculo->Calcular();
    r.codigo = calculo->m_strCodigo;
    r.erro = calculo->m_strErro;
    // No report flag in Mvsize: a sized circuit is always reported.
    return r;
}

void CMvsizeView::DepoisDeIncluir(const CaracteristicasResposta& /*resposta*/)
{
    Atualiza_icone();
}
