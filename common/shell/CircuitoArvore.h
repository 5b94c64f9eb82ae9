#pragma once
// The circuit tree's data operations both programs share: a subtree's keys, deleting it, copying it into
// the clipboard database and pasting the clipboard back. The tables that hang off a circuit differ per
// program and are passed in. Every function throws CDaoException; the caller reports it.

#include <span>
#include <string>
#include <vector>

class CDaoDatabase;

// The keys of a circuit's subtree, the circuit first, each before its children; a cycle throws.
std::vector<short> SubarvoreCircuitos(CDaoDatabase& db, short sequencial);

// Deletes a circuit's whole subtree with its dependent rows and its print row (no transaction of its own).
void ExcluirSubarvore(CDaoDatabase& db, short sequencial, std::span<const char* const> dependentes);

// Replaces the clipboard database's circuits by a circuit's subtree, in one transaction.
void CopiarSubarvore(CDaoDatabase& db, const std::string& area, short sequencial,
                     std::span<const char* const> dependentes);

// A code that no top-level circuit has: the code itself, else the code followed by 1, 2, ...
std::string CodigoCircuitoLivre(CDaoDatabase* db, const std::string& codigo);

// Pastes the clipboard's circuits under the root with new keys, in one transaction; the new top key.
short ColarSubarvore(CDaoDatabase& db, CDaoDatabase& area, std::span<const char* const> dependentes);
