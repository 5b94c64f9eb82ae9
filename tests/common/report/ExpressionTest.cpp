// The formula language: what a selection formula and a layout's conditions compute, and the values that
// the callers give named formulas.

#include "ReportExpression.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class MapScope : public ReportScope {
public:
    std::map<std::string, ReportValue> fields;
    std::map<std::string, ReportValue> formulas;
    ReportValue Field(const std::string& t, const std::string& c) const override
    {
        auto it = fields.find(t + "." + c);
        return it == fields.end() ? ReportValue::Null() : it->second;
    }
    ReportValue Formula(const std::string& n) const override
    {
        auto it = formulas.find(n);
        return it == formulas.end() ? ReportValue::Null() : it->second;
    }
    ReportValue Special(const std::string&) const override { return ReportValue::Number(7); }
};

TEST(ExpressionTest, EvaluatesSelectionsAndConditions)
{
    MapScope scope;
    scope.fields["circuito_impressao.circuito_sequencial"] = ReportValue::Number(12);
    scope.fields["circuito.circuito_codigo"] = ReportValue::Text("QD-1");
    scope.fields["circuito.circuito_sequencial_pai"] = ReportValue::Null();
    scope.fields["circuito_impressao.circuito_impressao_motor"] = ReportValue::Number(-1);
    scope.formulas["projeto"] = ReportValue::Text("Usina São João");
    struct Case {
        const char* text;
        const char* expected;  // formatted result
    };
    const Case cases[] = {
        {"{circuito_impressao.circuito_sequencial}=12", "-1"},
        {"{circuito_impressao.circuito_sequencial}=13", "0"},
        {"{circuito_impressao.circuito_sequencial} <> 12", "0"},
        {"{circuito_impressao.circuito_impressao_motor} <> 0", "-1"},
        {"{circuito.circuito_codigo} = 'QD-1' and not ({circuito.circuito_codigo} = \"QD-2\")", "-1"},
        {"{circuito.circuito_sequencial_pai} = 0", "0"},       // null equals nothing
        {"{circuito.circuito_sequencial_pai} <> 0", "0"},
        {"IsNull({circuito.circuito_sequencial_pai})", "-1"},
        {"If({circuito_impressao.circuito_sequencial} > 10, 'grande', 'pequeno')", "grande"},
        {"{circuito_impressao.circuito_sequencial} * 2 + 1 - 0.5", "24.5"},
        {"-{circuito_impressao.circuito_sequencial} / 4", "-3"},
        {"{circuito_impressao.circuito_sequencial} / 0", ""},  // prints nothing rather than inf
        {"{@projeto} & ' - ' & {circuito.circuito_codigo}", "Usina São João - QD-1"},
        {"'D''Ávila' = \"D'Ávila\"", "-1"},
        {"{Level} + 1", "8"},
        {"'10' = 10", "-1"},
        {"'abc' < 'abd' OR 1 > 2", "-1"},
        {"", ""},
    };
    for (const Case& c : cases) {
        ReportExpression e = ReportExpression::Parse(c.text);
        EXPECT_EQ(FormatValue(e.Evaluate(scope), ""), c.expected) << c.text;
    }
}

TEST(ExpressionTest, RefusesWhatItCannotRead)
{
    for (const char* text : {"{circuito_impressao.circuito_sequencial}==1", "{circuito_impressao.}=1", "{tabela.coluna",
                             "'texto sem fim", "1 +", "(1", "Soma(1)", "{PaginaAtual}", "1 2", "#"}) {
        EXPECT_THROW(ReportExpression::Parse(text), ReportSyntaxError) << text;
    }
}

TEST(ExpressionTest, ListsTheFieldsItReads)
{
    ReportExpression e = ReportExpression::Parse("{a.x} = {b.y} and {@f} > 0");
    ASSERT_EQ(e.Fields().size(), 2u);
    EXPECT_EQ(e.Fields()[1].table, "b");
    EXPECT_EQ(e.Formulas(), std::vector<std::string>{"f"});
    FieldRef l, r;
    EXPECT_FALSE(e.IsFieldEquality(l, r));
    EXPECT_TRUE(ReportExpression::Parse("{a.x} = {b.y}").IsFieldEquality(l, r));
    EXPECT_EQ(r.column, "y");
}

TEST(FormulaValueTest, TakesQuotedTextAsTypedNumbersAndNothing)
{
    struct Case {
        const char* text;
        bool ok;
        const char* printed;
    };
    const Case cases[] = {
        {"'D'Ávila Engenharia'", true, "D'Ávila Engenharia"},  // the callers do not double inner quotes
        {"'Usina São João'", true, "Usina São João"},
        {"\"entre aspas duplas\"", true, "entre aspas duplas"},
        {"''", true, ""},
        {"", true, ""},
        {"  '  espaços  '  ", true, "  espaços  "},
        {"12.5", true, "12.5"},
        {"'sem fim", false, ""},
        {"sem aspas", false, ""},
        {"'", false, ""},
    };
    for (const Case& c : cases) {
        ReportValue v;
        std::string error;
        EXPECT_EQ(ParseFormulaValue(c.text, v, error), c.ok) << c.text;
        if (c.ok)
            EXPECT_EQ(FormatValue(v, ""), c.printed) << c.text;
        else
            EXPECT_FALSE(error.empty()) << c.text;
    }
}

TEST(ValueFormatTest, FormatsInTheCLocaleWithTheLayoutsFormats)
{
    setlocale(LC_ALL, "pt_BR.UTF-8");  // a comma locale, when installed, must not leak into the reports
    struct Case {
        ReportValue value;
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {ReportValue::Number(2.5), "%g", "2.5"},
        {ReportValue::Number(0.75), "%g", "0.75"},
        {ReportValue::Number(120), "%g", "120"},
        {ReportValue::Number(12.345), "%.1f", "12.3"},
        {ReportValue::Number(-1), "%i", "-1"},
        {ReportValue::Number(2.9), "%i", "2"},
        {ReportValue::Number(3), "%5.2f", " 3.00"},
        {ReportValue::Number(1.0 / 3.0), "", "0.333333"},
        {ReportValue::Number(40), "", "40"},
        {ReportValue::Date(45358), "date", "07/03/2024"},
        {ReportValue::Date(2), "", "01/01/1900"},
        {ReportValue::Text("12.5"), "%.2f", "12.50"},
        {ReportValue::Text("Disj. 32"), "%.2f", "Disj. 32"},
        {ReportValue::Null(), "%.2f", ""},
        {ReportValue::Text("ab"), "%4s", "  ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatValue(c.value, c.format), c.expected) << c.format;
    setlocale(LC_ALL, "C");
    std::string error;
    for (const char* bad : {"%n", "%s%s", "%1234f", "x%f", "%f m", "%*d", "%lf"})
        EXPECT_FALSE(IsValidValueFormat(bad, error)) << bad;
}

}  // namespace

#include "ReportPages.h"

namespace {

TEST(ValidUtf8Test, KeepsUtf8AndReadsStrayBytesAsLatin1)
{
    EXPECT_EQ(ValidUtf8("Usina São João Ω mm²"), "Usina São João Ω mm²");
    EXPECT_EQ(ValidUtf8("S\xe3o Jo\xe3o"), "São João");
    EXPECT_EQ(ValidUtf8("a\xb2 b"), "a² b");
    EXPECT_EQ(ValidUtf8(std::string("x\0y", 3)), "x y");
}

}  // namespace
