#pragma once
// The formula language of the layouts and of the selection formula: literals ('text', "text", numbers,
// true, false, null), fields {table.column}, formulas {@name}, report values {PageNumber}, {TotalPages},
// {PrintDate}, {Level}; operators not and or = <> < > <= >= & + - * / and parentheses; the functions
// IsNull(x), Trim(text) (without leading and trailing blanks) and If(condition, then, else). Keywords
// and function names ignore case.

#include "ReportValue.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// What an expression reads while it is evaluated.
class ReportScope {
public:
    virtual ~ReportScope() = default;
    virtual ReportValue Field(const std::string& table, const std::string& column) const = 0;
    virtual ReportValue Formula(const std::string& name) const = 0;
    virtual ReportValue Special(const std::string& name) const = 0;
};

// A formula text that cannot be read; the message says where.
class ReportSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FieldRef {
    std::string table;
    std::string column;
};

class ReportExpression {
public:
    ReportExpression();  // the empty expression: evaluates to null
    ~ReportExpression();
    ReportExpression(const ReportExpression&);
    ReportExpression& operator=(const ReportExpression&);
    ReportExpression(ReportExpression&&) noexcept;
    ReportExpression& operator=(ReportExpression&&) noexcept;

    // Throws ReportSyntaxError.
    static ReportExpression Parse(const std::string& text);

    bool IsEmpty() const { return m_root == nullptr; }
    ReportValue Evaluate(const ReportScope& scope) const;
    const std::string& Text() const { return m_text; }

    // Every field, formula and report value the expression reads, in order of appearance.
    std::vector<FieldRef> Fields() const;
    std::vector<std::string> Formulas() const;
    std::vector<std::string> Specials() const;
    // True for an expression that is exactly {a.x} = {b.y}; gives the two fields.
    bool IsFieldEquality(FieldRef& left, FieldRef& right) const;

    struct Node;

private:
    std::shared_ptr<const Node> m_root;
    std::string m_text;
};

// The report values a layout may read: PageNumber, TotalPages, PrintDate, Level.
bool IsKnownSpecial(const std::string& name);

// The value a caller gives a named formula: a text between single (or double) quotes, taken as it stands
// between the outer quotes (an apostrophe inside, as in "'D'Ávila'", stays), a number, or nothing (an
// empty formula). Anything else is refused with the reason in error.
bool ParseFormulaValue(const std::string& text, ReportValue& value, std::string& error);

// Case-insensitive comparison of ASCII names (formula names, keywords).
bool SameName(const std::string& a, const std::string& b);
