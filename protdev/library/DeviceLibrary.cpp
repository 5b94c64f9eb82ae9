#include "DeviceLibrary.h"

#include "DaoDatabase.h"
#include "SqlValue.h"

#include <algorithm>
#include <array>

namespace devlib {

namespace {

constexpr int kMaxCode = 255;

// Descriptions are bound, never spliced: an apostrophe in one is an ordinary character.
constexpr const char* kInsertBreaker =
    "INSERT INTO dispositivo_protecao(dispositivo_protecao_codigo, dispositivo_protecao_descricao, "
    "dispositivo_protecao_tensao) VALUES(%i,?,%i)";
constexpr const char* kUpdateBreaker =
    "UPDATE dispositivo_protecao SET dispositivo_protecao_descricao=?,dispositivo_protecao_tensao=%i "
    "WHERE dispositivo_protecao_codigo=%i";
constexpr const char* kInsertFuse =
    "INSERT INTO dispositivo_protecao(dispositivo_protecao_codigo, dispositivo_protecao_descricao) VALUES(%i,?)";
constexpr const char* kUpdateFuse =
    "UPDATE dispositivo_protecao SET dispositivo_protecao_descricao=? WHERE dispositivo_protecao_codigo=%i";
constexpr const char* kDeletePoints = "DELETE FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=%i";
constexpr const char* kDeleteBreakerRatings =
    "DELETE FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=%i";
constexpr const char* kDeleteFuseRatings = "DELETE FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=%i";
constexpr const char* kDeleteDevice = "DELETE FROM dispositivo_protecao WHERE dispositivo_protecao_codigo=%i";
// The magnetic values are typed with one decimal and keep it (the threshold, the thermal I²t at the
// threshold, the capacity current and the minimum magnetic current too).
constexpr const char* kInsertBreakerRating =
    "INSERT INTO disjuntor_corrente_nominal(dispositivo_protecao_codigo, disjuntor_corrente_nominal, "
    "disjuntor_corrente_t5s, disjuntor_corrente_ruptura, disjuntor_alfa, disjuntor_corrente_minima_atuacao, "
    "disjuntor_i2t_corrente_minima_atuacao, disjuntor_limiar_atuacao_magnetica, "
    "disjuntor_i2t_termico_limiar_magnetico, disjuntor_i2t_magnetico_limiar_magnetico, "
    "disjuntor_corrente_capacidade, disjuntor_i2t_corrente_capacidade, "
    "disjuntor_corrente_minima_atuacao_magnetica) "
    "VALUES(%i,%i,%5.0f,%7.0f,%5.3f,%9.0f,%9.1f,%9.1f,%9.1f,%9.1f,%9.1f,%9.1f,%9.1f)";
constexpr const char* kInsertPoint =
    "INSERT INTO disjuntor_pontos_curva(dispositivo_protecao_codigo, disjuntor_corrente_nominal, "
    "disjuntor_corrente, disjuntor_i2t) VALUES(%i,%i,%8.1f,%9.0f)";
constexpr const char* kInsertFuseRating =
    "INSERT INTO fusivel_corrente_nominal(dispositivo_protecao_codigo,fusivel_corrente_nominal,"
    "fusivel_corrente_t5s,fusivel_corrente_ruptura,fusivel_alfa) VALUES(%i,%i,%5.0f,%7.0f,%5.3f)";

int Code(BYTE codigo) { return static_cast<int>(codigo); }
double D(float f) { return static_cast<double>(f); }

// Rows a device's code may still carry from an editor that did not delete them with the device.
void DeleteChildRows(CDaoDatabase& db, BYTE codigo)
{
    db.Execute(FormatC(kDeletePoints, Code(codigo)), dbFailOnError);
    db.Execute(FormatC(kDeleteBreakerRatings, Code(codigo)), dbFailOnError);
    db.Execute(FormatC(kDeleteFuseRatings, Code(codigo)), dbFailOnError);
}

bool CodeIsFree(CDaoDatabase& db, BYTE codigo)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, FormatC(kSelectDevice, Code(codigo)).c_str());
    return rs.IsEOF();
}

// A new device keeps the code an earlier, failed attempt of the same dialog chose, while it is still free.
std::optional<BYTE> CodeForNewDevice(CDaoDatabase& db, BYTE chosenBefore)
{
    if (chosenBefore != 0 && CodeIsFree(db, chosenBefore))
        return chosenBefore;
    return NextDeviceCode(db);
}

template <class T, class Key>
std::vector<const T*> SortedBy(const std::vector<T>& items, Key key)
{
    std::vector<const T*> sorted;
    sorted.reserve(items.size());
    for (const T& item : items)
        sorted.push_back(&item);
    std::stable_sort(sorted.begin(), sorted.end(), [&](const T* a, const T* b) { return key(*a) < key(*b); });
    return sorted;
}

}  // namespace

std::optional<BYTE> NextDeviceCode(CDaoDatabase& db)
{
    long maximum = 0;
    {
        CDaoRecordsetManual rs(&db, dbOpenSnapshot, kSelectMaxCode);
        if (!rs.IsEOF())
            rs.GetFieldLong("codigo", maximum);  // Null (no device) reads as 0
    }
    if (maximum < kMaxCode)
        return static_cast<BYTE>(maximum + 1);
    // 255 is taken: look for a code freed by a deletion.
    std::array<bool, kMaxCode + 1> used{};
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT dispositivo_protecao_codigo FROM dispositivo_protecao");
    for (; !rs.IsEOF(); rs.MoveNext()) {
        BYTE c = 0;
        rs.GetFieldByte("dispositivo_protecao_codigo", c);
        used[c] = true;
    }
    for (int c = 1; c <= kMaxCode; ++c)
        if (!used[static_cast<size_t>(c)])
            return static_cast<BYTE>(c);
    return std::nullopt;
}

bool LoadDevice(CDaoDatabase& db, BYTE codigo, std::string& descricao, short& tensao)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, FormatC(kSelectDevice, Code(codigo)).c_str());
    if (rs.IsEOF())
        return false;
    rs.GetFieldShort("dispositivo_protecao_tensao", tensao);
    rs.GetFieldString("dispositivo_protecao_descricao", descricao);
    return true;
}

void LoadBreakerRatings(CDaoDatabase& db, BYTE codigo, std::vector<CDisjuntor_corrente>& out)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, FormatC(kSelectBreakerRatings, Code(codigo)).c_str());
    for (; !rs.IsEOF(); rs.MoveNext()) {
        CDisjuntor_corrente c;
        rs.GetFieldShort("disjuntor_corrente_nominal", c.m_nCorrenteNominal);
        rs.GetFieldFloat("disjuntor_corrente_ruptura", c.m_fCorrenteRuptura);
        rs.GetFieldFloat("disjuntor_corrente_t5s", c.m_fCorrenteT5s);
        rs.GetFieldFloat("disjuntor_alfa", c.m_fAlfa);
        rs.GetFieldFloat("disjuntor_corrente_minima_atuacao", c.m_fCorrenteMinimaAtuacao);
        rs.GetFieldFloat("disjuntor_i2t_corrente_minima_atuacao", c.m_fI2tCorrenteMinimaAtuacao);
        rs.GetFieldFloat("disjuntor_limiar_atuacao_magnetica", c.m_fLimiarAtuacaoMagnetica);
        rs.GetFieldFloat("disjuntor_i2t_termico_limiar_magnetico", c.m_fI2tTermicoLimiarMagnetico);
        rs.GetFieldFloat("disjuntor_i2t_magnetico_limiar_magnetico", c.m_fI2tMagneticoLimiarMagnetico);
        rs.GetFieldFloat("disjuntor_corrente_capacidade", c.m_fCorrenteCapacidade);
        rs.GetFieldFloat("disjuntor_i2t_corrente_capacidade", c.m_fI2tCorrenteCapacidade);
        rs.GetFieldFloat("disjuntor_corrente_minima_atuacao_magnetica", c.m_fCorrenteMinimaAtuacaoMagnetica);
        // The record joins the list before its points are read, so a failure there keeps it.
        out.push_back(std::move(c));
        CDaoRecordsetManual points(
            &db, dbOpenSnapshot,
            FormatC(kSelectCurvePoints, Code(codigo), static_cast<int>(out.back().m_nCorrenteNominal)).c_str());
        for (; !points.IsEOF(); points.MoveNext()) {
            CDisjuntor_pontos_curva p;
            points.GetFieldFloat("disjuntor_corrente", p.m_fCorrente);
            points.GetFieldFloat("disjuntor_i2t", p.m_fI2t);
            out.back().m_pontos.push_back(p);
        }
    }
}

void LoadFuseRatings(CDaoDatabase& db, BYTE codigo, std::vector<CFusivel_corrente>& out)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, FormatC(kSelectFuseRatings, Code(codigo)).c_str());
    for (; !rs.IsEOF(); rs.MoveNext()) {
        CFusivel_corrente c;
        rs.GetFieldShort("fusivel_corrente_nominal", c.m_nCorrenteNominal);
        rs.GetFieldFloat("fusivel_corrente_ruptura", c.m_fCorrenteRuptura);
        rs.GetFieldFloat("fusivel_corrente_t5s", c.m_fCorrenteT5s);
        rs.GetFieldFloat("fusivel_alfa", c.m_fAlfa);
        out.push_back(c);
    }
}

bool SaveBreaker(CDaoDatabase& db, bool novo, BYTE& codigo, const std::string& descricao, short tensao,
                 const std::vector<CDisjuntor_corrente>& correntes)
{
    CDaoTransaction transaction(db);
    BYTE code = codigo;
    if (novo) {
        const std::optional<BYTE> next = CodeForNewDevice(db, codigo);
        if (!next)
            return false;
        code = *next;
        codigo = code;  // a retry after a failure keeps it
        DeleteChildRows(db, code);
        db.Execute(FormatC(kInsertBreaker, Code(code), static_cast<int>(tensao)), {descricao}, dbFailOnError);
    } else {
        db.Execute(FormatC(kUpdateBreaker, static_cast<int>(tensao), Code(code)), {descricao}, dbFailOnError);
        db.Execute(FormatC(kDeletePoints, Code(code)), dbFailOnError);
        db.Execute(FormatC(kDeleteBreakerRatings, Code(code)), dbFailOnError);
    }
    for (const CDisjuntor_corrente* c :
         SortedBy(correntes, [](const CDisjuntor_corrente& r) { return r.m_nCorrenteNominal; })) {
        db.Execute(FormatC(kInsertBreakerRating, Code(code), static_cast<int>(c->m_nCorrenteNominal),
                           D(c->m_fCorrenteT5s), D(c->m_fCorrenteRuptura), D(c->m_fAlfa),
                           D(c->m_fCorrenteMinimaAtuacao), D(c->m_fI2tCorrenteMinimaAtuacao),
                           D(c->m_fLimiarAtuacaoMagnetica), D(c->m_fI2tTermicoLimiarMagnetico),
                           D(c->m_fI2tMagneticoLimiarMagnetico), D(c->m_fCorrenteCapacidade),
                           D(c->m_fI2tCorrenteCapacidade), D(c->m_fCorrenteMinimaAtuacaoMagnetica)),
                   dbFailOnError);
        for (const CDisjuntor_pontos_curva* p :
             SortedBy(c->m_pontos, [](const CDisjuntor_pontos_curva& r) { return r.m_fCorrente; }))
            db.Execute(FormatC(kInsertPoint, Code(code), static_cast<int>(c->m_nCorrenteNominal), D(p->m_fCorrente),
                               D(p->m_fI2t)),
                       dbFailOnError);
    }
    transaction.Commit();
    return true;
}

bool SaveFuse(CDaoDatabase& db, bool novo, BYTE& codigo, const std::string& descricao,
              const std::vector<CFusivel_corrente>& correntes)
{
    CDaoTransaction transaction(db);
    BYTE code = codigo;
    if (novo) {
        const std::optional<BYTE> next = CodeForNewDevice(db, codigo);
        if (!next)
            return false;
        code = *next;
        codigo = code;  // a retry after a failure keeps it
        DeleteChildRows(db, code);
        db.Execute(FormatC(kInsertFuse, Code(code)), {descricao}, dbFailOnError);
    } else {
        db.Execute(FormatC(kUpdateFuse, Code(code)), {descricao}, dbFailOnError);
        db.Execute(FormatC(kDeleteFuseRatings, Code(code)), dbFailOnError);
    }
    for (const CFusivel_corrente* c :
         SortedBy(correntes, [](const CFusivel_corrente& r) { return r.m_nCorrenteNominal; }))
        db.Execute(FormatC(kInsertFuseRating, Code(code), static_cast<int>(c->m_nCorrenteNominal),
                           D(c->m_fCorrenteT5s), D(c->m_fCorrenteRuptura), D(c->m_fAlfa)),
                   dbFailOnError);
    transaction.Commit();
    return true;
}

void DeleteDevice(CDaoDatabase& db, BYTE codigo)
{
    CDaoTransaction transaction(db);
    DeleteChildRows(db, codigo);
    db.Execute(FormatC(kDeleteDevice, Code(codigo)), dbFailOnError);
    transaction.Commit();
}

}  // namespace devlib
