#include "DaoRecordsetManual.h"

#include "SqlValue.h"

#include <cmath>
#include <limits>

namespace {

[[noreturn]] void BindError(const char* name)
{
    throw CDaoException::Layer(AFX_DAO_ERROR_DFX_BIND, std::string("wrong field type: ") + name);
}

// A computed column has no declared type: its value is taken when it fits the getter's range.
template <class T> bool ComputedFits(const COleVariant& v)
{
    if (!v.computed || !v.IsNumeric())
        return false;
    const double d = v.AsDouble();
    if constexpr (std::numeric_limits<T>::is_integer) {
        if (v.vt != VT_I4 && std::floor(d) != d)
            return false;
        return d >= static_cast<double>(std::numeric_limits<T>::min()) &&
               d <= static_cast<double>(std::numeric_limits<T>::max());
    } else {
        return std::isfinite(d) && std::fabs(d) <= static_cast<double>(std::numeric_limits<T>::max());
    }
}

// Jet's "numeric field overflow": a value the field's type cannot hold.
constexpr long kDataError = 3349;

std::string FileOf(const CDaoRecordset& rs)
{
    return rs.m_pDatabase ? rs.m_pDatabase->GetDisplayName() : std::string();
}

// A damaged file: the value stored is not one the column's type holds. Never read as something else.
[[noreturn]] void DataError(const CDaoRecordset& rs, const char* name, const std::string& value, const std::string& range)
{
    throw CDaoException(kDataError, "DAO.Field",
                        "O arquivo de dados '" + FileOf(rs) + "' está danificado: o campo " + name + " tem o valor " +
                            value + ", " + range + ".");
}

template <class T> void ReadInteger(const CDaoRecordset& rs, const char* name, VARTYPE expected, T& out)
{
    const COleVariant v = rs.GetFieldValue(name);
    if (v.IsNull()) {
        out = 0;
        return;
    }
    if (v.vt == expected && !v.computed) {
        if (v.invalid)
            DataError(rs, name, "'" + v.strVal + "'", "que não é um número inteiro");
        if (v.lVal < static_cast<std::int64_t>(std::numeric_limits<T>::min()) ||
            v.lVal > static_cast<std::int64_t>(std::numeric_limits<T>::max()))
            DataError(rs, name, FormatC("%lld", static_cast<long long>(v.lVal)),
                      FormatC("fora do que o campo guarda (de %lld a %lld)",
                              static_cast<long long>(std::numeric_limits<T>::min()),
                              static_cast<long long>(std::numeric_limits<T>::max())));
        out = static_cast<T>(v.lVal);
        return;
    }
    if (ComputedFits<T>(v)) {
        out = static_cast<T>(v.vt == VT_I4 ? v.lVal : static_cast<std::int64_t>(v.AsDouble()));
        return;
    }
    BindError(name);
}

template <class T> void ReadReal(const CDaoRecordset& rs, const char* name, VARTYPE expected, T& out)
{
    const COleVariant v = rs.GetFieldValue(name);
    if (v.IsNull()) {
        out = 0;
        return;
    }
    if (v.vt == expected && !v.computed) {
        if (v.invalid)
            DataError(rs, name, "'" + v.strVal + "'", "que não é um número que o campo guarde");
        out = static_cast<T>(v.dblVal);
        return;
    }
    if (ComputedFits<T>(v)) {
        out = static_cast<T>(v.AsDouble());
        return;
    }
    BindError(name);
}

}  // namespace

CDaoRecordsetManual::CDaoRecordsetManual(CDaoDatabase* pDatabase, int nOpenType, const char* sql)
    : CDaoRecordset(pDatabase)
{
    if (sql)
        Open(nOpenType, sql);
}

CDaoRecordsetManual::CDaoRecordsetManual(CDaoDatabase* pDatabase, int nOpenType, const std::string& sql,
                                         const SqlParams& params)
    : CDaoRecordset(pDatabase)
{
    Open(nOpenType, sql, params);
}

CDaoRecordsetManual::~CDaoRecordsetManual()
{
    if (IsOpen())
        Close();
}

void CDaoRecordsetManual::GetFieldBool(const char* name, BOOL& value) const
{
    const COleVariant v = GetFieldValue(name);
    if (v.IsNull()) {
        value = FALSE;
        return;
    }
    if (v.vt == VT_BOOL && !v.computed && v.invalid)
        DataError(*this, name, "'" + v.strVal + "'", "que não é um valor sim/não");
    // Yes is -1 (1 from other tools), no is 0: any other number is damage, not a yes that would, say, dispense
    // a circuit's overload protection.
    if (v.vt == VT_BOOL && !v.computed && v.lVal != 0 && v.lVal != -1 && v.lVal != 1)
        DataError(*this, name, FormatC("%lld", static_cast<long long>(v.lVal)), "que não é um valor sim/não");
    if ((v.vt == VT_BOOL && !v.computed) || (v.computed && v.IsNumeric())) {
        value = v.AsDouble() != 0.0 ? TRUE : FALSE;
        return;
    }
    BindError(name);
}

void CDaoRecordsetManual::GetFieldByte(const char* name, BYTE& value) const
{
    ReadInteger(*this, name, VT_UI1, value);
}

void CDaoRecordsetManual::GetFieldShort(const char* name, short& value) const
{
    ReadInteger(*this, name, VT_I2, value);
}

void CDaoRecordsetManual::GetFieldLong(const char* name, long& value) const
{
    // Long is 32 bits in the files, whatever the host's long is.
    std::int32_t v32 = 0;
    ReadInteger(*this, name, VT_I4, v32);
    value = v32;
}

void CDaoRecordsetManual::GetFieldFloat(const char* name, float& value) const
{
    ReadReal(*this, name, VT_R4, value);
}

void CDaoRecordsetManual::GetFieldDouble(const char* name, double& value) const
{
    ReadReal(*this, name, VT_R8, value);
}

void CDaoRecordsetManual::GetFieldDate(const char* name, COleDateTime& value) const
{
    const COleVariant v = GetFieldValue(name);
    if (v.IsNull())
        return;  // a null date leaves the caller's date as it was
    if (v.vt == VT_DATE && !v.computed) {
        if (v.invalid)
            DataError(*this, name, "'" + v.strVal + "'", "que não é uma data");
        value.m_dt = v.dblVal;
        value.m_status = COleDateTime::valid;
        return;
    }
    BindError(name);
}

void CDaoRecordsetManual::GetFieldString(const char* name, std::string& value) const
{
    const COleVariant v = GetFieldValue(name);
    if (v.IsNull()) {
        value.clear();
        return;
    }
    if (v.vt == VT_BSTR) {
        // Up to the terminating zero, as a C string would hold it.
        value = v.strVal.substr(0, v.strVal.find('\0'));
        return;
    }
    BindError(name);
}

void CDaoRecordsetManual::SetFieldBool(const char* name, BOOL value)
{
    SetFieldValue(name, COleVariant::Bool(value != 0));
}

void CDaoRecordsetManual::SetFieldByte(const char* name, BYTE value)
{
    SetFieldValue(name, COleVariant::Byte(value));
}

void CDaoRecordsetManual::SetFieldShort(const char* name, short value)
{
    SetFieldValue(name, COleVariant::Short(value));
}

void CDaoRecordsetManual::SetFieldFloat(const char* name, float value)
{
    SetFieldValue(name, COleVariant::Float(value));
}

void CDaoRecordsetManual::SetFieldDate(const char* name, const COleDateTime& value)
{
    SetFieldValue(name, COleVariant::Date(value.m_dt));
}

void CDaoRecordsetManual::SetFieldString(const char* name, const std::string& value)
{
    SetFieldValue(name, COleVariant::Text(value));
}
