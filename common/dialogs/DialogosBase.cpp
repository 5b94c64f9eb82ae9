#include "DialogosBase.h"

#include "AppContext.h"
#include "DaoDatabase.h"
#include "Document.h"
#include "EditColor.h"
#include "ValidityColors.h"

namespace zeldlg {

CDaoDatabase& Projeto()
{
    CProjectDocument* doc = GetActiveProjectDocument();
    if (!doc || !doc->m_pDatabase || !doc->m_pDatabase->IsOpen())
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "Nenhum projeto ativo.");
    return *doc->m_pDatabase;
}

CDaoDatabase& Referencia()
{
    CDaoDatabase* db = AppContext().m_pReferenceDb;
    if (!db || !db->IsOpen())
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "Catálogo não aberto.");
    return *db;
}

void Colorir(CEditColor& edit, bool valido, COLORREF fundoInvalido)
{
    SetValidityColors(&edit, valido ? 1 : 0, zel::ui::kValidBackground, zel::ui::kValidText, fundoInvalido,
                      zel::ui::kInvalidText);
}

}  // namespace zeldlg
