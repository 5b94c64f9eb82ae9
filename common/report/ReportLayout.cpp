#include "ReportLayout.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <locale.h>
#include <sstream>

namespace {

// One statement line, read word by word; quoted texts ("..." with "" for a quote) and {...} are words.
class LineScanner {
public:
    struct Word {
        std::string text;
        bool quoted = false;
    };

    explicit LineScanner(std::string line) : m_s(std::move(line)) {}

    bool AtEnd()
    {
        SkipSpace();
        return m_i >= m_s.size();
    }

    Word Next()
    {
        SkipSpace();
        Word w;
        if (m_i >= m_s.size())
            return w;
        if (m_s[m_i] == '"') {
            w.quoted = true;
            w.text = Quoted();
            return w;
        }
        if (m_s[m_i] == '{') {
            w.text = Braced();
            return w;
        }
        while (m_i < m_s.size() && !std::isspace(static_cast<unsigned char>(m_s[m_i]))) {
            if (m_s[m_i] == '"')
                w.text += Quoted();  // key="value"
            else
                w.text += m_s[m_i++];
        }
        return w;
    }

    std::string Rest()
    {
        SkipSpace();
        std::string r = m_s.substr(m_i);
        m_i = m_s.size();
        while (!r.empty() && std::isspace(static_cast<unsigned char>(r.back())))
            r.pop_back();
        return r;
    }

    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }

private:
    void SkipSpace()
    {
        while (m_i < m_s.size() && std::isspace(static_cast<unsigned char>(m_s[m_i])))
            ++m_i;
    }

    std::string Quoted()
    {
        std::string out;
        ++m_i;
        while (m_i < m_s.size()) {
            char c = m_s[m_i++];
            if (c == '"') {
                if (m_i < m_s.size() && m_s[m_i] == '"') {
                    out += '"';
                    ++m_i;
                    continue;
                }
                return out;
            }
            out += c;
        }
        m_error = "texto sem aspas de fechamento";
        return out;
    }

    std::string Braced()
    {
        size_t start = m_i;
        int depth = 0;
        while (m_i < m_s.size()) {
            char c = m_s[m_i++];
            if (c == '{')
                ++depth;
            else if (c == '}' && --depth == 0)
                return m_s.substr(start, m_i - start);
        }
        m_error = "chave sem fechamento";
        return m_s.substr(start);
    }

    std::string m_s;
    size_t m_i = 0;
    std::string m_error;
};

std::string StripComment(const std::string& line)
{
    char quote = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '#') {
            return line.substr(0, i);
        }
    }
    return line;
}

bool ParseNumber(const std::string& s, double& out)
{
    static locale_t cl = newlocale(LC_ALL_MASK, "C", nullptr);
    char* end = nullptr;
    out = strtod_l(s.c_str(), &end, cl);
    return !s.empty() && end && *end == '\0' && std::isfinite(out);
}

// Where a value ends its format: the last ':' outside quotes and braces.
size_t FormatColon(const std::string& s)
{
    char quote = 0;
    int depth = 0;
    size_t found = std::string::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
        } else if (c == ':' && depth == 0) {
            found = i;
        }
    }
    return found;
}

class Reader {
public:
    Reader(const std::string& path, int depth) : m_path(path), m_depth(depth) {}

    std::shared_ptr<ReportLayout> Run(const std::string& text, std::string& error)
    {
        m_layout = std::make_shared<ReportLayout>();
        m_layout->path = m_path;
        try {
            std::istringstream in(text);
            std::string raw;
            bool sawMagic = false;
            LayoutBand* band = nullptr;
            while (std::getline(in, raw)) {
                ++m_line;
                if (!raw.empty() && raw.back() == '\r')
                    raw.pop_back();
                LineScanner sc(StripComment(raw));
                if (sc.AtEnd())
                    continue;
                LineScanner::Word keyword = sc.Next();
                const std::string& k = keyword.text;
                if (!sawMagic) {
                    if (k != "zel-report" || sc.Next().text != "1" || !sc.AtEnd())
                        Fail("o arquivo não começa com \"zel-report 1\"");
                    sawMagic = true;
                    continue;
                }
                if (band) {
                    if (k == "end") {
                        Expect(sc.AtEnd(), "texto depois de end");
                        band = nullptr;
                    } else {
                        band->items.push_back(Item(k, sc));
                    }
                    continue;
                }
                if (k == "band") {
                    m_layout->bands.push_back(Band(sc));
                    band = &m_layout->bands.back();
                } else {
                    Statement(k, sc);
                }
                Expect(sc.Ok(), sc.Error());
            }
            if (!sawMagic)
                Fail("arquivo vazio");
            if (band)
                Fail("band sem end");
            Check();
        } catch (const ReportSyntaxError& e) {
            error = e.what();
            return nullptr;
        }
        return m_layout;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        std::string where = std::filesystem::path(m_path).filename().string();
        if (m_line > 0)
            where += ", linha " + std::to_string(m_line);
        throw ReportSyntaxError(where + ": " + what);
    }

    void Expect(bool condition, const std::string& what) const
    {
        if (!condition)
            Fail(what);
    }

    ReportExpression Expression(const std::string& text) const
    {
        try {
            return ReportExpression::Parse(text);
        } catch (const ReportSyntaxError& e) {
            Fail(std::string("expressão \"") + text + "\": " + e.what());
        }
    }

    double Number(const std::string& s, const char* what) const
    {
        double v = 0;
        Expect(ParseNumber(s, v), std::string(what) + " inválido: \"" + s + "\"");
        return v;
    }

    FieldRef Field(const std::string& braced) const
    {
        ReportExpression e = Expression(braced);
        std::vector<FieldRef> f = e.Fields();
        Expect(f.size() == 1 && braced.front() == '{', "campo {tabela.coluna} esperado: " + braced);
        return f.front();
    }

    void Statement(const std::string& k, LineScanner& sc)
    {
        ReportLayout& L = *m_layout;
        if (k == "title") {
            LineScanner::Word w = sc.Next();
            Expect(w.quoted, "title espera um texto entre aspas");
            L.title = w.text;
        } else if (k == "filename") {
            LineScanner::Word w = sc.Next();
            Expect(w.quoted, "filename espera um modelo entre aspas");
            L.fileName = Template(w.text);
        } else if (k == "page") {
            Expect(sc.Next().text == "A4", "só o papel A4 é conhecido");
            std::string o = sc.Next().text;
            Expect(o == "portrait" || o == "landscape", "orientação portrait ou landscape esperada");
            L.landscape = o == "landscape";
        } else if (k == "margins") {
            L.marginLeft = Number(sc.Next().text, "margem");
            L.marginTop = Number(sc.Next().text, "margem");
            L.marginRight = Number(sc.Next().text, "margem");
            L.marginBottom = Number(sc.Next().text, "margem");
        } else if (k == "font") {
            LineScanner::Word w = sc.Next();
            Expect(w.quoted && !w.text.empty(), "font espera a família entre aspas");
            L.fontFamily = w.text;
            L.fontSize = Number(sc.Next().text, "tamanho de fonte");
        } else if (k == "formula") {
            std::string name = sc.Next().text;
            Expect(!name.empty() && std::isalpha(static_cast<unsigned char>(name[0])), "nome de fórmula esperado");
            Expect(!L.HasFormula(name), "fórmula repetida: " + name);
            std::string value;
            if (!sc.AtEnd()) {
                LineScanner::Word w = sc.Next();
                Expect(w.quoted, "o valor da fórmula vai entre aspas");
                value = w.text;
                ReportValue v;
                std::string why;
                Expect(ParseFormulaValue(value, v, why), "fórmula " + name + ": " + why);
            }
            L.formulas.emplace_back(name, value);
        } else if (k == "table") {
            LayoutTable t;
            double index = Number(sc.Next().text, "índice de tabela");
            Expect(index >= 0 && index < 100 && index == std::floor(index), "índice de tabela inválido");
            t.index = static_cast<int>(index);
            t.name = sc.Next().text;
            t.alias = t.name;
            while (!sc.AtEnd()) {
                std::string w = sc.Next().text;
                if (w == "as")
                    t.alias = sc.Next().text;
                else if (w == "location") {
                    LineScanner::Word loc = sc.Next();
                    Expect(loc.quoted, "location espera um nome de arquivo entre aspas");
                    t.location = loc.text;
                } else
                    Fail("palavra inesperada em table: " + w);
            }
            Expect(Identifier(t.name) && Identifier(t.alias), "nome de tabela inválido");
            Expect(!L.TableByIndex(t.index), "índice de tabela repetido");
            Expect(!L.TableByAlias(t.alias), "tabela repetida: " + t.alias);
            L.tables.push_back(t);
        } else if (k == "data") {
            L.dataAlias = sc.Next().text;
            Expect(L.TableByAlias(L.dataAlias) != nullptr, "data: tabela não declarada: " + L.dataAlias);
        } else if (k == "join") {
            LayoutJoin j;
            j.alias = sc.Next().text;
            Expect(L.TableByAlias(j.alias) != nullptr, "join: tabela não declarada: " + j.alias);
            if (!sc.AtEnd()) {
                Expect(sc.Next().text == "on", "join: on esperado");
                j.on = Expression(sc.Rest());
            }
            L.joins.push_back(j);
        } else if (k == "select") {
            L.select = Expression(sc.Rest());
        } else if (k == "sort") {
            std::string rest = sc.Rest();
            LayoutSort s;
            for (const char* suffix : {" desc", " asc"}) {
                std::string sx = suffix;
                if (rest.size() > sx.size() && rest.compare(rest.size() - sx.size(), sx.size(), sx) == 0) {
                    s.descending = sx == " desc";
                    rest.erase(rest.size() - sx.size());
                    break;
                }
            }
            s.key = Expression(rest);
            Expect(!s.key.IsEmpty(), "sort sem expressão");
            L.sorts.push_back(s);
        } else if (k == "hierarchy") {
            L.hierarchical = true;
            L.hierarchyKey = Field(sc.Next().text);
            L.hierarchyParent = Field(sc.Next().text);
        } else if (k == "group") {
            ReportExpression g = Expression(sc.Rest());
            Expect(!g.IsEmpty(), "group sem expressão");
            L.groups.push_back(g);
        } else if (k == "subreport") {
            LineScanner::Word w = sc.Next();
            Expect(w.quoted && !w.text.empty(), "subreport espera o nome entre aspas");
            Expect(w.text.find('/') == std::string::npos, "o sub-relatório fica na pasta do relatório");
            Expect(!L.Subreport(w.text) && std::find(L.subreportNames.begin(), L.subreportNames.end(), w.text) == L.subreportNames.end(),
                   "sub-relatório repetido: " + w.text);
            L.subreportNames.push_back(w.text);
        } else {
            Fail("instrução desconhecida: " + k);
        }
        Expect(sc.AtEnd(), "texto a mais na linha");
    }

    static bool Identifier(const std::string& s)
    {
        if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_'))
            return false;
        for (char c : s)
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
                return false;
        return true;
    }

    LayoutBand Band(LineScanner& sc)
    {
        LayoutBand b;
        std::string kind = sc.Next().text;
        static const std::pair<const char*, BandKind> kinds[] = {
            {"reportheader", BandKind::reportHeader}, {"pageheader", BandKind::pageHeader},
            {"groupheader", BandKind::groupHeader},   {"detail", BandKind::detail},
            {"groupfooter", BandKind::groupFooter},   {"reportfooter", BandKind::reportFooter},
            {"pagefooter", BandKind::pageFooter},     {"nodata", BandKind::noData}};
        bool known = false;
        for (const auto& [name, value] : kinds)
            if (kind == name)
                b.kind = value, known = true;
        Expect(known, "tipo de band desconhecido: " + kind);
        while (!sc.AtEnd()) {
            std::string w = sc.Next().text;
            if (w.rfind("group=", 0) == 0) {
                double g = Number(w.substr(6), "nível de grupo");
                Expect(g >= 1 && g <= 9 && g == std::floor(g), "nível de grupo inválido");
                b.group = static_cast<int>(g);
            } else if (w.rfind("height=", 0) == 0) {
                b.minHeight = Number(w.substr(7), "altura");
            } else if (w == "when") {
                b.when = Expression(sc.Rest());
            } else {
                Fail("palavra inesperada em band: " + w);
            }
        }
        return b;
    }

    std::vector<TemplatePart> Template(const std::string& s) const
    {
        std::vector<TemplatePart> parts;
        std::string literal;
        for (size_t i = 0; i < s.size(); ++i) {
            char c = s[i];
            if (c == '}' && i + 1 < s.size() && s[i + 1] == '}') {
                literal += '}', ++i;
                continue;
            }
            if (c != '{') {
                literal += c;
                continue;
            }
            if (i + 1 < s.size() && s[i + 1] == '{') {
                literal += '{', ++i;
                continue;
            }
            size_t j = i;
            int depth = 0;
            char quote = 0;
            for (; j < s.size(); ++j) {
                if (quote) {
                    if (s[j] == quote)
                        quote = 0;
                } else if (s[j] == '\'' || s[j] == '"') {
                    quote = s[j];
                } else if (s[j] == '{') {
                    ++depth;
                } else if (s[j] == '}' && --depth == 0) {
                    break;
                }
            }
            Expect(j < s.size(), "valor sem chave de fechamento em \"" + s + "\"");
            std::string inner = s.substr(i + 1, j - i - 1);
            if (!literal.empty()) {
                TemplatePart lit;
                lit.literal = literal;
                parts.push_back(lit);
                literal.clear();
            }
            TemplatePart v;
            v.isValue = true;
            size_t colon = FormatColon(inner);
            if (colon != std::string::npos) {
                v.format = inner.substr(colon + 1);
                inner.erase(colon);
            }
            std::string why;
            Expect(IsValidValueFormat(v.format, why), why);
            v.value = !inner.empty() && inner[0] == '=' ? Expression(inner.substr(1)) : Expression("{" + inner + "}");
            Expect(!v.value.IsEmpty(), "valor vazio em \"" + s + "\"");
            parts.push_back(v);
            i = j;
        }
        if (!literal.empty()) {
            TemplatePart lit;
            lit.literal = literal;
            parts.push_back(lit);
        }
        return parts;
    }

    double Gray(const std::string& s) const
    {
        double g = Number(s, "tom de cinza");
        Expect(g >= 0 && g <= 1, "tom de cinza entre 0 e 1");
        return g;
    }

    LayoutItem Item(const std::string& k, LineScanner& sc)
    {
        LayoutItem it;
        it.line = m_line;
        if (k == "text" || k == "box") {
            it.kind = k == "text" ? LayoutItem::Kind::text : LayoutItem::Kind::box;
            it.x = Number(sc.Next().text, "x");
            it.y = Number(sc.Next().text, "y");
            it.w = Number(sc.Next().text, "largura");
            it.h = Number(sc.Next().text, "altura");
            Expect(it.w > 0 && it.h >= 0, "largura e altura devem ser positivas");
            it.style.family = m_layout->fontFamily;
            it.style.size = m_layout->fontSize;
            bool sawText = false;
            while (!sc.AtEnd()) {
                LineScanner::Word w = sc.Next();
                if (w.quoted && it.kind == LayoutItem::Kind::text && !sawText) {
                    it.text = Template(w.text);
                    sawText = true;
                } else if (w.text == "when") {
                    it.when = Expression(sc.Rest());
                } else if (w.text == "bold") {
                    it.style.bold = true;
                } else if (w.text == "italic") {
                    it.style.italic = true;
                } else if (w.text == "nowrap") {
                    it.style.wrap = false;
                } else if (w.text.rfind("size=", 0) == 0) {
                    it.style.size = Number(w.text.substr(5), "tamanho de fonte");
                    Expect(it.style.size >= 3 && it.style.size <= 72, "tamanho de fonte fora de 3 a 72");
                } else if (w.text.rfind("font=", 0) == 0) {
                    it.style.family = w.text.substr(5);
                } else if (w.text.rfind("align=", 0) == 0) {
                    std::string a = w.text.substr(6);
                    Expect(a == "left" || a == "center" || a == "right", "align: left, center ou right");
                    it.style.align = a == "left" ? TextAlign::left : a == "center" ? TextAlign::center : TextAlign::right;
                } else if (w.text.rfind("indent=", 0) == 0) {
                    it.style.indentPerLevel = Number(w.text.substr(7), "recuo");
                } else if (w.text.rfind("gray=", 0) == 0) {
                    it.style.gray = Gray(w.text.substr(5));
                } else if (w.text.rfind("fill=", 0) == 0 && it.kind == LayoutItem::Kind::box) {
                    it.fill = Gray(w.text.substr(5));
                } else if (w.text.rfind("border=", 0) == 0 && it.kind == LayoutItem::Kind::box) {
                    it.lineWidth = Number(w.text.substr(7), "espessura");
                } else {
                    Fail("palavra inesperada em " + k + ": " + w.text);
                }
            }
            Expect(sawText || it.kind == LayoutItem::Kind::box, "text sem o texto entre aspas");
            if (it.kind == LayoutItem::Kind::box && it.fill < 0 && it.lineWidth <= 0)
                Fail("box sem preenchimento nem borda");
        } else if (k == "line") {
            it.kind = LayoutItem::Kind::line;
            it.x = Number(sc.Next().text, "x1");
            it.y = Number(sc.Next().text, "y1");
            it.x2 = Number(sc.Next().text, "x2");
            it.y2 = Number(sc.Next().text, "y2");
            while (!sc.AtEnd()) {
                std::string w = sc.Next().text;
                if (w == "when")
                    it.when = Expression(sc.Rest());
                else if (w.rfind("width=", 0) == 0)
                    it.lineWidth = Number(w.substr(6), "espessura");
                else if (w.rfind("gray=", 0) == 0)
                    it.style.gray = Gray(w.substr(5));
                else
                    Fail("palavra inesperada em line: " + w);
            }
        } else if (k == "subreport") {
            it.kind = LayoutItem::Kind::subreport;
            LineScanner::Word name = sc.Next();
            Expect(name.quoted, "subreport espera o nome entre aspas");
            it.subreport = name.text;
            it.x = Number(sc.Next().text, "x");
            it.y = Number(sc.Next().text, "y");
            it.w = Number(sc.Next().text, "largura");
            Expect(it.w > 0, "largura deve ser positiva");
            bool linked = false;
            while (!sc.AtEnd()) {
                std::string w = sc.Next().text;
                if (w == "when") {
                    it.when = Expression(sc.Rest());
                } else if (w == "link") {
                    it.linkParent = Expression(sc.Next().text);
                    Expect(it.linkParent.Fields().size() == 1, "link: campo do relatório esperado");
                    it.linkSub = Field(sc.Next().text);
                    linked = true;
                } else {
                    Fail("palavra inesperada em subreport: " + w);
                }
            }
            Expect(linked, "subreport sem link");
            Expect(std::find(m_layout->subreportNames.begin(), m_layout->subreportNames.end(), it.subreport) !=
                       m_layout->subreportNames.end(),
                   "sub-relatório não declarado: " + it.subreport);
        } else {
            Fail("elemento desconhecido: " + k);
        }
        Expect(sc.Ok(), sc.Error());
        return it;
    }

    void CheckExpression(const ReportExpression& e, int line) const
    {
        for (const FieldRef& f : e.Fields())
            if (!m_layout->TableByAlias(f.table))
                FailAt(line, "tabela não declarada em {" + f.table + "." + f.column + "}");
        for (const std::string& f : e.Formulas())
            if (!m_layout->HasFormula(f))
                FailAt(line, "fórmula não declarada: {@" + f + "}");
    }

    [[noreturn]] void FailAt(int line, const std::string& what) const
    {
        std::string where = std::filesystem::path(m_path).filename().string();
        if (line > 0)
            where += ", linha " + std::to_string(line);
        throw ReportSyntaxError(where + ": " + what);
    }

    void Check()
    {
        ReportLayout& L = *m_layout;
        int end = m_line;
        m_line = 0;
        Expect(!L.dataAlias.empty(), "falta a instrução data");
        Expect(!L.bands.empty(), "o relatório não tem bands");
        for (const LayoutJoin& j : L.joins)
            CheckExpression(j.on, 0);
        CheckExpression(L.select, 0);
        for (const LayoutSort& s : L.sorts)
            CheckExpression(s.key, 0);
        for (const ReportExpression& g : L.groups)
            CheckExpression(g, 0);
        if (L.hierarchical) {
            for (const FieldRef& f : {L.hierarchyKey, L.hierarchyParent})
                Expect(f.table == L.dataAlias, "hierarchy usa colunas da tabela de dados");
        }
        for (const TemplatePart& p : L.fileName)
            CheckExpression(p.value, 0);
        for (const LayoutBand& b : L.bands) {
            if (b.kind == BandKind::groupHeader || b.kind == BandKind::groupFooter)
                Expect(b.group <= static_cast<int>(L.groups.size()), "band de um grupo não declarado");
            CheckExpression(b.when, 0);
            for (const LayoutItem& it : b.items) {
                CheckExpression(it.when, it.line);
                for (const TemplatePart& p : it.text)
                    CheckExpression(p.value, it.line);
                if (it.kind == LayoutItem::Kind::subreport) {
                    CheckExpression(it.linkParent, it.line);
                    Expect(b.kind == BandKind::detail || b.kind == BandKind::groupHeader ||
                               b.kind == BandKind::groupFooter,
                           "sub-relatório só em bands de dados");
                }
            }
        }
        for (const std::string& name : L.subreportNames) {
            if (m_depth >= 3)
                Fail("sub-relatórios aninhados demais");
            std::string file = (std::filesystem::path(L.Folder()) / name).string();
            std::string error;
            std::shared_ptr<const ReportLayout> sub = LoadLayoutAt(file, m_depth + 1, error);
            if (!sub)
                Fail("sub-relatório " + name + ": " + error);
            L.subreports[name] = sub;
        }
        for (const LayoutBand& b : L.bands)
            for (const LayoutItem& it : b.items)
                if (it.kind == LayoutItem::Kind::subreport) {
                    const ReportLayout& sub = *L.subreports[it.subreport];
                    if (it.linkSub.table != sub.dataAlias)
                        FailAt(it.line, "link: o campo do sub-relatório deve ser de " + sub.dataAlias);
                }
        m_line = end;
    }

public:
    static std::shared_ptr<const ReportLayout> LoadLayoutAt(const std::string& path, int depth, std::string& error)
    {
        std::string name = std::filesystem::path(path).filename().string();
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) {
            error = "arquivo de relatório não encontrado: " + path;
            return nullptr;
        }
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in && !in.eof()) {
            error = "não foi possível ler o arquivo de relatório: " + path;
            return nullptr;
        }
        Reader r(path, depth);
        return r.Run(text.str(), error);
    }

private:
    std::string m_path;
    int m_depth;
    int m_line = 0;
    std::shared_ptr<ReportLayout> m_layout;
};

}  // namespace

const LayoutTable* ReportLayout::TableByIndex(int index) const
{
    for (const LayoutTable& t : tables)
        if (t.index == index)
            return &t;
    return nullptr;
}

const LayoutTable* ReportLayout::TableByAlias(const std::string& alias) const
{
    for (const LayoutTable& t : tables)
        if (SameName(t.alias, alias))
            return &t;
    return nullptr;
}

bool ReportLayout::HasFormula(const std::string& name) const
{
    for (const auto& f : formulas)
        if (SameName(f.first, name))
            return true;
    return false;
}

std::shared_ptr<const ReportLayout> ReportLayout::Subreport(const std::string& name) const
{
    for (const auto& [n, layout] : subreports)
        if (SameName(n, name))
            return layout;
    return nullptr;
}

std::string ReportLayout::Folder() const
{
    std::filesystem::path p(path);
    return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

std::shared_ptr<const ReportLayout> LoadReportLayout(const std::string& path, std::string& error)
{
    return Reader::LoadLayoutAt(path, 0, error);
}

std::shared_ptr<const ReportLayout> ParseReportLayout(const std::string& text, const std::string& path,
                                                      std::string& error)
{
    Reader r(path, 0);
    return r.Run(text, error);
}
