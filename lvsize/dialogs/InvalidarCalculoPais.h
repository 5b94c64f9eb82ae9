#pragma once
// Marking a changed circuit's ancestors not calculated (circuito_calculado = 0 on its parent, grandparent,
// ... up to the top-level circuit). The circuit itself is left alone: callers mark their own row.
//
// Callers: the characteristics dialog after a save, the load, motor, device and economic dialogs on OK, the
// tree's delete and paste commands.

class CDaoDatabase;

// The service on the active project's working database (GetActiveProjectDocument()->m_pDatabase). A failure
// is reported through the error reporter ("CLvsizeApp::Invalidar_calculo_pais") and gives FALSE; nothing is
// changed then (the walk runs in one transaction, nested as a savepoint inside the caller's).
int Invalidar_calculo_pais(short circuito_sequencial);

// The walk itself, for callers that hold their own transaction and report themselves: throws CDaoException
// on a database failure, and on a parent chain that comes back to a circuit already passed (a damaged file).
void InvalidarCalculoPais(CDaoDatabase& db, short circuito_sequencial);
