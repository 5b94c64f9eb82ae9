#pragma once
// Damage done to a copy of a data file, the way files reach users from colleagues: bytes flipped, the file
// cut short, and files changed by hand or by another tool (a value no column of that type holds, a table or
// a column missing, keys repeated, a trigger of its own). Each damage is named, so a case found by the
// driver can be made again by its name alone. No test framework: the driver and the tests share it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace danos {

struct Dano {
    std::string nome;
    std::function<void(const std::string& arquivo)> aplicar;  // throws std::runtime_error when it cannot
};

// Byte-level damage of a file of that size: flips (1 to 8 bytes each) and cuts at points drawn with the seed,
// plus cuts at the database's own boundaries (its header, its first pages).
std::vector<Dano> DeBytes(std::uintmax_t tamanho, std::uint32_t semente, int flips, int cortes);

// SQL-level damage of a database, from its own schema: every column of every table given each of the odd
// values (NULL, text, empty text, huge and negative numbers, a fraction, a blob, a very long text, text that
// is not UTF-8, a decimal comma), in the first row and in every row; every table dropped; every column
// dropped, renamed or of another declared type; an extra table and column; the indexes and triggers
// dropped; repeated keys; a trigger that refuses every change; the journal in WAL mode.
std::vector<Dano> DeSql(const std::string& arquivo);

// Runs SQL on the file with the schema writable (a damage may rewrite it); throws std::runtime_error.
void Sql(const std::string& arquivo, const std::string& sql);

// The file's bytes ("" when it cannot be read).
std::string Conteudo(const std::string& arquivo);

}  // namespace danos
