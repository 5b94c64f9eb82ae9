#include "ReportExpression.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

struct ReportExpression::Node {
    enum class Kind { literal, field, formula, special, unary, binary, call };
    Kind kind = Kind::literal;
    ReportValue literal;
    std::string a, b;  // table/column, formula or special name, operator, function name
    std::vector<std::shared_ptr<const Node>> children;
};

namespace {

using Node = ReportExpression::Node;
using NodePtr = std::shared_ptr<const Node>;

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

struct Token {
    enum class Kind { end, number, text, field, formula, special, ident, op, lparen, rparen, comma };
    Kind kind = Kind::end;
    std::string text;   // op, identifier, text value, names
    std::string text2;  // column of a field
    double number = 0.0;
    size_t position = 0;
};

class Lexer {
public:
    explicit Lexer(const std::string& s) : m_s(s) {}

    std::vector<Token> Run()
    {
        std::vector<Token> out;
        for (;;) {
            SkipSpace();
            Token t;
            t.position = m_i + 1;
            if (m_i >= m_s.size()) {
                out.push_back(t);
                return out;
            }
            char c = m_s[m_i];
            if (std::isdigit(static_cast<unsigned char>(c)) ||
                (c == '.' && m_i + 1 < m_s.size() && std::isdigit(static_cast<unsigned char>(m_s[m_i + 1])))) {
                static locale_t cl = newlocale(LC_ALL_MASK, "C", nullptr);
                char* end = nullptr;
                t.kind = Token::Kind::number;
                t.number = strtod_l(m_s.c_str() + m_i, &end, cl);
                m_i = static_cast<size_t>(end - m_s.c_str());
            } else if (c == '\'' || c == '"') {
                t.kind = Token::Kind::text;
                t.text = QuotedText(c);
            } else if (c == '{') {
                Braced(t);
            } else if (IsIdentStart(c)) {
                t.kind = Token::Kind::ident;
                while (m_i < m_s.size() && IsIdentChar(m_s[m_i]))
                    t.text += m_s[m_i++];
            } else if (c == '(') {
                t.kind = Token::Kind::lparen, ++m_i;
            } else if (c == ')') {
                t.kind = Token::Kind::rparen, ++m_i;
            } else if (c == ',') {
                t.kind = Token::Kind::comma, ++m_i;
            } else {
                t.kind = Token::Kind::op;
                std::string two = m_s.substr(m_i, 2);
                if (two == "<>" || two == "<=" || two == ">=")
                    t.text = two, m_i += 2;
                else if (std::string("=<>&+-*/").find(c) != std::string::npos)
                    t.text = std::string(1, c), ++m_i;
                else
                    Fail("caractere inesperado '" + std::string(1, c) + "'");
            }
            out.push_back(t);
        }
    }

private:
    void SkipSpace()
    {
        while (m_i < m_s.size() && std::isspace(static_cast<unsigned char>(m_s[m_i])))
            ++m_i;
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ReportSyntaxError(what + " (posição " + std::to_string(m_i + 1) + ")");
    }

    std::string QuotedText(char quote)
    {
        std::string out;
        ++m_i;
        for (;;) {
            if (m_i >= m_s.size())
                Fail("texto sem aspas de fechamento");
            char c = m_s[m_i++];
            if (c == quote) {
                if (m_i < m_s.size() && m_s[m_i] == quote) {
                    out += quote;
                    ++m_i;
                    continue;
                }
                return out;
            }
            out += c;
        }
    }

    std::string Ident()
    {
        std::string out;
        while (m_i < m_s.size() && IsIdentChar(m_s[m_i]))
            out += m_s[m_i++];
        return out;
    }

    void Braced(Token& t)
    {
        ++m_i;
        SkipSpace();
        if (m_i < m_s.size() && m_s[m_i] == '@') {
            ++m_i;
            t.kind = Token::Kind::formula;
            t.text = Ident();
        } else {
            t.text = Ident();
            if (m_i < m_s.size() && m_s[m_i] == '.') {
                ++m_i;
                t.kind = Token::Kind::field;
                t.text2 = Ident();
                if (t.text2.empty())
                    Fail("campo sem coluna");
            } else {
                t.kind = Token::Kind::special;
                if (!IsKnownSpecial(t.text))
                    Fail("valor desconhecido {" + t.text + "}");
            }
        }
        SkipSpace();
        if (t.text.empty() || m_i >= m_s.size() || m_s[m_i] != '}')
            Fail("referência entre chaves malformada");
        ++m_i;
    }

    const std::string& m_s;
    size_t m_i = 0;
};

std::string LowerFunction(const std::string& name)
{
    std::string out;
    for (char c : name)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : m_t(std::move(tokens)) {}

    NodePtr Run()
    {
        NodePtr n = Or();
        if (Peek().kind != Token::Kind::end)
            Fail("texto a mais");
        return n;
    }

private:
    const Token& Peek() const { return m_t[m_i]; }
    const Token& Take() { return m_t[m_i < m_t.size() - 1 ? m_i++ : m_i]; }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ReportSyntaxError(what + " (posição " + std::to_string(Peek().position) + ")");
    }

    bool IsKeyword(const char* k) const { return Peek().kind == Token::Kind::ident && SameName(Peek().text, k); }
    bool IsOp(const char* op) const { return Peek().kind == Token::Kind::op && Peek().text == op; }

    static NodePtr Binary(const std::string& op, NodePtr l, NodePtr r)
    {
        auto n = std::make_shared<Node>();
        n->kind = Node::Kind::binary;
        n->a = op;
        n->children = {std::move(l), std::move(r)};
        return n;
    }

    NodePtr Or()
    {
        NodePtr l = And();
        while (IsKeyword("or")) {
            Take();
            l = Binary("or", l, And());
        }
        return l;
    }
    NodePtr And()
    {
        NodePtr l = Not();
        while (IsKeyword("and")) {
            Take();
            l = Binary("and", l, Not());
        }
        return l;
    }
    NodePtr Not()
    {
        if (IsKeyword("not")) {
            Take();
            auto n = std::make_shared<Node>();
            n->kind = Node::Kind::unary;
            n->a = "not";
            n->children = {Not()};
            return n;
        }
        return Compare();
    }
    NodePtr Compare()
    {
        NodePtr l = Concat();
        for (const char* op : {"=", "<>", "<", ">", "<=", ">="}) {
            if (IsOp(op)) {
                Take();
                return Binary(op, l, Concat());
            }
        }
        return l;
    }
    NodePtr Concat()
    {
        NodePtr l = Add();
        while (IsOp("&")) {
            Take();
            l = Binary("&", l, Add());
        }
        return l;
    }
    NodePtr Add()
    {
        NodePtr l = Mul();
        while (IsOp("+") || IsOp("-")) {
            std::string op = Take().text;
            l = Binary(op, l, Mul());
        }
        return l;
    }
    NodePtr Mul()
    {
        NodePtr l = Unary();
        while (IsOp("*") || IsOp("/")) {
            std::string op = Take().text;
            l = Binary(op, l, Unary());
        }
        return l;
    }
    NodePtr Unary()
    {
        if (IsOp("-")) {
            Take();
            auto n = std::make_shared<Node>();
            n->kind = Node::Kind::unary;
            n->a = "-";
            n->children = {Unary()};
            return n;
        }
        return Primary();
    }
    NodePtr Primary()
    {
        const Token& t = Take();
        auto n = std::make_shared<Node>();
        switch (t.kind) {
        case Token::Kind::number: n->literal = ReportValue::Number(t.number); return n;
        case Token::Kind::text: n->literal = ReportValue::Text(t.text); return n;
        case Token::Kind::field:
            n->kind = Node::Kind::field, n->a = t.text, n->b = t.text2;
            return n;
        case Token::Kind::formula: n->kind = Node::Kind::formula, n->a = t.text; return n;
        case Token::Kind::special: n->kind = Node::Kind::special, n->a = t.text; return n;
        case Token::Kind::lparen: {
            NodePtr inner = Or();
            if (Take().kind != Token::Kind::rparen)
                Fail("falta ')'");
            return inner;
        }
        case Token::Kind::ident: {
            if (SameName(t.text, "true")) { n->literal = ReportValue::Bool(true); return n; }
            if (SameName(t.text, "false")) { n->literal = ReportValue::Bool(false); return n; }
            if (SameName(t.text, "null")) return n;
            size_t arity = SameName(t.text, "IsNull") || SameName(t.text, "Trim") ? 1 : SameName(t.text, "If") ? 3 : 0;
            if (arity == 0)
                Fail("nome desconhecido '" + t.text + "'");
            n->kind = Node::Kind::call;
            n->a = LowerFunction(t.text);
            if (Take().kind != Token::Kind::lparen)
                Fail("falta '(' depois de " + t.text);
            for (size_t i = 0; i < arity; ++i) {
                if (i > 0 && Take().kind != Token::Kind::comma)
                    Fail("falta ',' em " + t.text);
                n->children.push_back(Or());
            }
            if (Take().kind != Token::Kind::rparen)
                Fail("falta ')' em " + t.text);
            return n;
        }
        default: break;
        }
        Fail(t.kind == Token::Kind::end ? "expressão incompleta" : "termo esperado");
    }

    std::vector<Token> m_t;
    size_t m_i = 0;
};

ReportValue Eval(const Node& n, const ReportScope& scope)
{
    switch (n.kind) {
    case Node::Kind::literal: return n.literal;
    case Node::Kind::field: return scope.Field(n.a, n.b);
    case Node::Kind::formula: return scope.Formula(n.a);
    case Node::Kind::special: return scope.Special(n.a);
    case Node::Kind::unary: {
        ReportValue v = Eval(*n.children[0], scope);
        if (n.a == "not")
            return ReportValue::Bool(!v.IsTrue());
        return v.IsNull() ? v : ReportValue::Number(-v.AsNumber());
    }
    case Node::Kind::call:
        if (n.a == "isnull")
            return ReportValue::Bool(Eval(*n.children[0], scope).IsNull());
        if (n.a == "trim") {
            ReportValue v = Eval(*n.children[0], scope);
            if (!v.IsText())
                return v;
            size_t first = v.text.find_first_not_of(" \t");
            size_t last = v.text.find_last_not_of(" \t");
            return ReportValue::Text(first == std::string::npos ? std::string() : v.text.substr(first, last - first + 1));
        }
        return Eval(*n.children[Eval(*n.children[0], scope).IsTrue() ? 1 : 2], scope);
    case Node::Kind::binary: break;
    }
    const std::string& op = n.a;
    if (op == "and")
        return ReportValue::Bool(Eval(*n.children[0], scope).IsTrue() && Eval(*n.children[1], scope).IsTrue());
    if (op == "or")
        return ReportValue::Bool(Eval(*n.children[0], scope).IsTrue() || Eval(*n.children[1], scope).IsTrue());
    ReportValue l = Eval(*n.children[0], scope);
    ReportValue r = Eval(*n.children[1], scope);
    if (op == "&")
        return ReportValue::Text(FormatValue(l, "") + FormatValue(r, ""));
    if (op == "=" || op == "<>") {
        // Null equals nothing, not even null, as in the record selection of databases.
        bool eq = !l.IsNull() && !r.IsNull() && ValuesEqual(l, r);
        return ReportValue::Bool(op == "=" ? eq : !eq && !l.IsNull() && !r.IsNull());
    }
    if (op == "<" || op == ">" || op == "<=" || op == ">=") {
        if (l.IsNull() || r.IsNull())
            return ReportValue::Bool(false);
        int c = (l.IsText() && r.IsText()) ? CompareValues(l, r)
                                           : CompareValues(ReportValue::Number(l.AsNumber()),
                                                           ReportValue::Number(r.AsNumber()));
        bool result = op == "<" ? c < 0 : op == ">" ? c > 0 : op == "<=" ? c <= 0 : c >= 0;
        return ReportValue::Bool(result);
    }
    if (l.IsNull() || r.IsNull())
        return ReportValue::Null();
    double a = l.AsNumber(), b = r.AsNumber();
    if (op == "+") return ReportValue::Number(a + b);
    if (op == "-") return ReportValue::Number(a - b);
    if (op == "*") return ReportValue::Number(a * b);
    if (b == 0.0)
        return ReportValue::Null();  // a division by zero prints nothing rather than "inf"
    return ReportValue::Number(a / b);
}

template <class F>
void Walk(const NodePtr& n, F&& visit)
{
    if (!n)
        return;
    visit(*n);
    for (const NodePtr& c : n->children)
        Walk(c, visit);
}

}  // namespace

ReportExpression::ReportExpression() = default;
ReportExpression::~ReportExpression() = default;
ReportExpression::ReportExpression(const ReportExpression&) = default;
ReportExpression& ReportExpression::operator=(const ReportExpression&) = default;
ReportExpression::ReportExpression(ReportExpression&&) noexcept = default;
ReportExpression& ReportExpression::operator=(ReportExpression&&) noexcept = default;

ReportExpression ReportExpression::Parse(const std::string& text)
{
    ReportExpression e;
    e.m_text = text;
    Lexer lexer(text);
    std::vector<Token> tokens = lexer.Run();
    if (tokens.size() == 1)
        return e;  // blank
    e.m_root = Parser(std::move(tokens)).Run();
    return e;
}

ReportValue ReportExpression::Evaluate(const ReportScope& scope) const
{
    return m_root ? Eval(*m_root, scope) : ReportValue::Null();
}

std::vector<FieldRef> ReportExpression::Fields() const
{
    std::vector<FieldRef> out;
    Walk(m_root, [&](const Node& n) {
        if (n.kind == Node::Kind::field)
            out.push_back({n.a, n.b});
    });
    return out;
}

std::vector<std::string> ReportExpression::Formulas() const
{
    std::vector<std::string> out;
    Walk(m_root, [&](const Node& n) {
        if (n.kind == Node::Kind::formula)
            out.push_back(n.a);
    });
    return out;
}

std::vector<std::string> ReportExpression::Specials() const
{
    std::vector<std::string> out;
    Walk(m_root, [&](const Node& n) {
        if (n.kind == Node::Kind::special)
            out.push_back(n.a);
    });
    return out;
}

bool ReportExpression::IsFieldEquality(FieldRef& left, FieldRef& right) const
{
    if (!m_root || m_root->kind != Node::Kind::binary || m_root->a != "=")
        return false;
    const Node& l = *m_root->children[0];
    const Node& r = *m_root->children[1];
    if (l.kind != Node::Kind::field || r.kind != Node::Kind::field)
        return false;
    left = {l.a, l.b};
    right = {r.a, r.b};
    return true;
}

bool IsKnownSpecial(const std::string& name)
{
    for (const char* s : {"PageNumber", "TotalPages", "PrintDate", "Level"})
        if (SameName(name, s))
            return true;
    return false;
}

bool ParseFormulaValue(const std::string& text, ReportValue& value, std::string& error)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        value = ReportValue::Text("");
        return true;
    }
    size_t last = text.find_last_not_of(" \t\r\n");
    std::string t = text.substr(first, last - first + 1);
    char q = t.front();
    if (q == '\'' || q == '"') {
        if (t.size() < 2 || t.back() != q) {
            error = "texto sem aspas de fechamento";
            return false;
        }
        value = ReportValue::Text(t.substr(1, t.size() - 2));
        return true;
    }
    static locale_t cl = newlocale(LC_ALL_MASK, "C", nullptr);
    char* end = nullptr;
    double n = strtod_l(t.c_str(), &end, cl);
    if (end && *end == '\0' && end != t.c_str() && std::isfinite(n)) {
        value = ReportValue::Number(n);
        return true;
    }
    error = "valor esperado entre aspas: " + t;
    return false;
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
