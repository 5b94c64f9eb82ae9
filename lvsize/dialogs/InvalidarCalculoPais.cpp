#include "InvalidarCalculoPais.h"

#include "AppContext.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

#include <set>

void InvalidarCalculoPais(CDaoDatabase& db, short circuito_sequencial)
{
    std::set<short> passados{circuito_sequencial};
    short chave = circuito_sequencial;
    for (;;) {
        CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                               FormatC("SELECT circuito_sequencial FROM circuito WHERE circuito_sequencial=(SELECT "
                                       "circuito_sequencial_pai FROM circuito WHERE circuito_sequencial=%i)",
                                       static_cast<int>(chave))
                                   .c_str());
        if (rs.IsEOF())
            return;
        short pai = 0;
        rs.GetFieldShort("circuito_sequencial", pai);
        if (!passados.insert(pai).second)
            throw CDaoException(0, "Lvsize",
                                FormatC("A árvore de circuitos do projeto está danificada: o circuito %i é "
                                        "ancestral de si mesmo.",
                                        static_cast<int>(pai)));
        db.Execute(FormatC("UPDATE circuito SET circuito_calculado=0 WHERE circuito_sequencial=%i",
                           static_cast<int>(pai)),
                   dbFailOnError);
        if (pai <= 0)
            return;
        chave = pai;
    }
}

int Invalidar_calculo_pais(short circuito_sequencial)
{
    CProjectDocument* doc = GetActiveProjectDocument();
    if (!doc || !doc->m_pDatabase)
        return FALSE;
    try {
        CDaoTransaction trans(*doc->m_pDatabase);
        InvalidarCalculoPais(*doc->m_pDatabase, circuito_sequencial);
        trans.Commit();
        return TRUE;
    } catch (CDaoException& e) {
        ReportError("CLvsizeApp::Invalidar_calculo_pais", &e);
        return FALSE;
    }
}
