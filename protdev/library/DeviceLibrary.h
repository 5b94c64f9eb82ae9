#pragma once
// The protection-device library in "ZelBt01.zel": the breakers and fuses with their rated currents and the
// breakers' I²t curve points, as Protdev reads and writes them. Every write of one user operation runs in
// one transaction, so a failure leaves the library as it was.

#include "DaoRecordsetManual.h"

#include <optional>
#include <string>
#include <vector>

class CDaoDatabase;

// One point of a rated current's I²t curve.
struct CDisjuntor_pontos_curva {
    float m_fCorrente = 0;  // A
    float m_fI2t = 0;       // A²s
};

// One rated current of a breaker with its thermal and magnetic data and its curve.
struct CDisjuntor_corrente {
    short m_nCorrenteNominal = 0;                    // A
    float m_fCorrenteRuptura = 0;                    // A
    float m_fCorrenteT5s = 0;                        // A
    float m_fAlfa = 0;
    float m_fCorrenteMinimaAtuacao = 0;              // A; 0 = no magnetic data
    float m_fI2tCorrenteMinimaAtuacao = 0;           // A²s
    float m_fLimiarAtuacaoMagnetica = 0;             // A
    float m_fI2tTermicoLimiarMagnetico = 0;          // A²s
    float m_fI2tMagneticoLimiarMagnetico = 0;        // A²s
    float m_fCorrenteCapacidade = 0;                 // A
    float m_fI2tCorrenteCapacidade = 0;              // A²s
    float m_fCorrenteMinimaAtuacaoMagnetica = 0;     // A
    std::vector<CDisjuntor_pontos_curva> m_pontos;   // the curve, in list order
};

// One rated current of a fuse.
struct CFusivel_corrente {
    short m_nCorrenteNominal = 0;  // A
    float m_fCorrenteRuptura = 0;  // A
    float m_fCorrenteT5s = 0;      // A
    float m_fAlfa = 0;
};

// A row of dispositivo_protecao as the tree shows it.
struct DispositivoProtecao {
    BYTE codigo = 0;
    std::string descricao;
    short tensao = 0;  // 0 (or Null) for a fuse
};

namespace devlib {

// The statements, as Protdev runs them ('?' takes a description, bound as a parameter).
inline constexpr const char* kSelectTree = "SELECT * FROM dispositivo_protecao ORDER BY dispositivo_protecao_tensao";
inline constexpr const char* kSelectDevice = "SELECT * FROM dispositivo_protecao WHERE dispositivo_protecao_codigo=%i";
inline constexpr const char* kSelectBreakerRatings =
    "SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=%i";
inline constexpr const char* kSelectCurvePoints =
    "SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=%i AND disjuntor_corrente_nominal=%i";
inline constexpr const char* kSelectFuseRatings =
    "SELECT * FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=%i";
inline constexpr const char* kSelectMaxCode =
    "SELECT MAX(dispositivo_protecao_codigo) AS codigo FROM dispositivo_protecao";

// Shown when all 255 codes are taken: a device code lives in one byte and 0 means "no device".
inline constexpr const char* kSemCodigoLivre =
    "A biblioteca já tem 255 dispositivos de proteção: exclua um dispositivo antes de incluir outro.";

// The highest code + 1; when 255 is taken, the lowest free code; none when 1 to 255 are all taken.
std::optional<BYTE> NextDeviceCode(CDaoDatabase& db);

// Description and voltage of one device (voltage 0 for a fuse). False when the code has no row.
bool LoadDevice(CDaoDatabase& db, BYTE codigo, std::string& descricao, short& tensao);
// Appends the rated currents (each with its curve points) in the order the database returns them; a failure
// throws and leaves what was read before it in out.
void LoadBreakerRatings(CDaoDatabase& db, BYTE codigo, std::vector<CDisjuntor_corrente>& out);
void LoadFuseRatings(CDaoDatabase& db, BYTE codigo, std::vector<CFusivel_corrente>& out);

// Writes a whole breaker or fuse in one transaction: a new device (novo) gets its code in codigo, and keeps
// that code when a failed save is retried; an existing one has its rated currents (and points) replaced.
// Rated currents are written ascending, each curve ascending by current. False, with nothing written, when
// a new device finds no free code. A database failure throws after the rollback.
bool SaveBreaker(CDaoDatabase& db, bool novo, BYTE& codigo, const std::string& descricao, short tensao,
                 const std::vector<CDisjuntor_corrente>& correntes);
bool SaveFuse(CDaoDatabase& db, bool novo, BYTE& codigo, const std::string& descricao,
              const std::vector<CFusivel_corrente>& correntes);

// Deletes a device with its rated currents and curve points, in one transaction.
void DeleteDevice(CDaoDatabase& db, BYTE codigo);

}  // namespace devlib
