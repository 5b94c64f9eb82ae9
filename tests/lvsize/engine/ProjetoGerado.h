#pragma once
// A generated project for the benchmarks: feeders of three levels - each feeder with 9 distribution boards,
// each board with 10 final circuits (lighting and socket loads, three-phase loads, motors; breakers of curves
// B and C, gG fuses, a moulded-case breaker) - 100 circuits per feeder, every one of them sizeable with the
// shipped catalogue. Written in one transaction into a database with the project template's tables.

#include "DaoDatabase.h"

namespace lvrun {

void GerarProjeto(CDaoDatabase& db, int alimentadores);

}  // namespace lvrun
