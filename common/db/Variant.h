#pragma once
// The value of one field as the DAO layer hands it over: a variant type and the value in it.

#include <cstdint>
#include <string>

using VARTYPE = unsigned short;

// The variant type numbers the callers compare against; the values are the automation ones.
inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_NULL = 1;
inline constexpr VARTYPE VT_I2 = 2;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_R4 = 4;
inline constexpr VARTYPE VT_R8 = 5;
inline constexpr VARTYPE VT_DATE = 7;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_BOOL = 11;
inline constexpr VARTYPE VT_UI1 = 17;

struct COleVariant {
    VARTYPE vt = VT_EMPTY;
    // A column with no declared type (SUM, MAX, COUNT, an expression): its typed getters accept the
    // numeric value when it fits their range, whatever vt says.
    bool computed = false;
    // The file holds a value its column's declared type cannot hold (text in a number column, a fraction in
    // an integer one, a number past a Single's range): a damaged file. strVal keeps the value as stored.
    bool invalid = false;
    std::int64_t lVal = 0;   // VT_BOOL (-1/0), VT_UI1, VT_I2, VT_I4
    double dblVal = 0.0;     // VT_R4 (held at single precision), VT_R8, VT_DATE
    std::string strVal;      // VT_BSTR

    static COleVariant Null() { COleVariant v; v.vt = VT_NULL; return v; }
    static COleVariant Bool(bool b) { COleVariant v; v.vt = VT_BOOL; v.lVal = b ? -1 : 0; return v; }
    static COleVariant Byte(std::uint8_t b) { COleVariant v; v.vt = VT_UI1; v.lVal = b; return v; }
    static COleVariant Short(short s) { COleVariant v; v.vt = VT_I2; v.lVal = s; return v; }
    static COleVariant Long(std::int32_t l) { COleVariant v; v.vt = VT_I4; v.lVal = l; return v; }
    static COleVariant Float(float f) { COleVariant v; v.vt = VT_R4; v.dblVal = static_cast<double>(f); return v; }
    static COleVariant Double(double d) { COleVariant v; v.vt = VT_R8; v.dblVal = d; return v; }
    static COleVariant Date(double oleDate) { COleVariant v; v.vt = VT_DATE; v.dblVal = oleDate; return v; }
    static COleVariant Text(std::string s) { COleVariant v; v.vt = VT_BSTR; v.strVal = std::move(s); return v; }

    bool IsNull() const { return vt == VT_NULL; }
    bool IsNumeric() const { return vt != VT_EMPTY && vt != VT_NULL && vt != VT_BSTR; }
    // The value as a number (integers exactly, text through a C-locale conversion).
    double AsDouble() const;
};
