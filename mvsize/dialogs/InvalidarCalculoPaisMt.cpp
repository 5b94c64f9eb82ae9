// Marking a circuit and its ancestors not calculated after a change below them.
#include "CaracteristicasMt.h"

#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <set>

void CCaracteristicas::Invalidar_calculo_pais(CDaoDatabase& db, short circuito_sequencial)
{
    std::set<short> passados;
    short chave = circuito_sequencial;
    while (chave > 0) {
        if (!passados.insert(chave).second)
            throw CDaoException(0, "Mvsize",
                                FormatC("A árvore de circuitos do projeto está danificada: o circuito %i é "
                                        "ancestral de si mesmo.",
                                        static_cast<int>(chave)));
        db.Execute(FormatC("UPDATE circuito SET circuito_calculado=0 WHERE circuito_sequencial=%i",
                           static_cast<int>(chave)),
                   dbFailOnError);
        CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                               FormatC("SELECT * FROM circuito WHERE circuito_sequencial=%i", static_cast<int>(chave))
                                   .c_str());
        short pai = 0;
        if (!rs.IsEOF() && !rs.GetFieldValue("circuito_sequencial_pai").IsNull())
            rs.GetFieldShort("circuito_sequencial_pai", pai);
        chave = pai;
    }
}
