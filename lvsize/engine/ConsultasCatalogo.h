#pragma once
// Snapshot reads of the catalogue, each distinct statement run once per calculation. The catalogue does
// not change while the program holds it open read-only, and the criteria re-run the same reads many times
// (the grouping walk for every count tried, the device ratings after every raise).

#include "DaoRecordsetManual.h"

#include <memory>
#include <string>
#include <unordered_map>

class CConsultasCatalogo {
public:
    // The rows of sql, positioned on the first row as a freshly opened snapshot is. A statement whose
    // recordset is still held by another reader is run again for this one. Failures throw as an open does.
    std::shared_ptr<CDaoRecordsetManual> Abrir(CDaoDatabase& db, const std::string& sql);
    void Limpar() { m_consultas.clear(); }

private:
    std::unordered_map<std::string, std::shared_ptr<CDaoRecordsetManual>> m_consultas;
};
