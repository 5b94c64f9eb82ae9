#pragma once
// The recordset every read of the programs goes through: opened at construction, values read and written
// by column name through accessors that each insist on one variant type (so the accessor a caller uses
// fixes the column's declared type).

#include "DaoRecordset.h"
#include "OleDateTime.h"

#include <cstdint>
#include <string>

using BOOL = int;
using BYTE = std::uint8_t;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

class CDaoRecordsetManual : public CDaoRecordset {
public:
    // Opens at once when sql is not null; a failed open throws and leaves no object behind.
    CDaoRecordsetManual(CDaoDatabase* pDatabase, int nOpenType, const char* sql);
    // The same with text values bound to '?' placeholders.
    CDaoRecordsetManual(CDaoDatabase* pDatabase, int nOpenType, const std::string& sql, const SqlParams& params);
    ~CDaoRecordsetManual() override;

    const char* GetRuntimeClassName() const { return "CDaoRecordsetManual"; }

    void GetFieldBool(const char* name, BOOL& value) const;
    void GetFieldByte(const char* name, BYTE& value) const;
    void GetFieldShort(const char* name, short& value) const;
    void GetFieldLong(const char* name, long& value) const;
    void GetFieldFloat(const char* name, float& value) const;
    void GetFieldDouble(const char* name, double& value) const;
    void GetFieldDate(const char* name, COleDateTime& value) const;
    void GetFieldString(const char* name, std::string& value) const;

    void SetFieldBool(const char* name, BOOL value);
    void SetFieldByte(const char* name, BYTE value);
    void SetFieldShort(const char* name, short value);
    void SetFieldFloat(const char* name, float value);
    void SetFieldDate(const char* name, const COleDateTime& value);
    void SetFieldString(const char* name, const std::string& value);
};
