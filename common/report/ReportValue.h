#pragma once
// One value of a report: a field of a row, a formula, a computed expression. Numbers are doubles (the
// project files hold nothing that a double cannot carry exactly enough for printing).

#include <string>

struct ReportValue {
    enum class Kind { null, number, text };

    Kind kind = Kind::null;
    double number = 0.0;
    std::string text;
    bool date = false;  // a number that is an automation day number

    static ReportValue Null() { return {}; }
    static ReportValue Number(double n) { ReportValue v; v.kind = Kind::number; v.number = n; return v; }
    static ReportValue Date(double day) { ReportValue v = Number(day); v.date = true; return v; }
    static ReportValue Text(std::string s) { ReportValue v; v.kind = Kind::text; v.text = std::move(s); return v; }
    static ReportValue Bool(bool b) { return Number(b ? -1.0 : 0.0); }

    bool IsNull() const { return kind == Kind::null; }
    bool IsNumber() const { return kind == Kind::number; }
    bool IsText() const { return kind == Kind::text; }
    // Truth as the project files store it: any non-zero number, any non-empty text.
    bool IsTrue() const;
    // The value as a number: text through a C-locale conversion (0 when it is not a number).
    double AsNumber() const;
};

// Orders two values: null first, numbers before texts, texts byte by byte. -1, 0 or 1.
int CompareValues(const ReportValue& a, const ReportValue& b);
bool ValuesEqual(const ReportValue& a, const ReportValue& b);

// Checks a value format of a layout: empty, "date", or one printf conversion (flags, width, precision and
// one of d i u f F e E g G s) with nothing around it. On failure the reason is in error.
bool IsValidValueFormat(const std::string& format, std::string& error);

// The printed text of a value: null prints nothing; without a format a number prints with the decimals
// it needs (at most six), a date as dd/mm/yyyy. Numbers are formatted in the C locale. format must have
// passed IsValidValueFormat.
std::string FormatValue(const ReportValue& value, const std::string& format);
