#include "ConsultasCatalogo.h"

std::shared_ptr<CDaoRecordsetManual> CConsultasCatalogo::Abrir(CDaoDatabase& db, const std::string& sql)
{
    auto it = m_consultas.find(sql);
    if (it != m_consultas.end() && it->second->m_pDatabase == &db) {
        if (it->second.use_count() == 1) {
            if (it->second->GetRecordCount() > 0)
                it->second->MoveFirst();
            return it->second;
        }
        return std::make_shared<CDaoRecordsetManual>(&db, dbOpenSnapshot, sql.c_str());
    }
    auto rs = std::make_shared<CDaoRecordsetManual>(&db, dbOpenSnapshot, sql.c_str());
    m_consultas[sql] = rs;
    return rs;
}
